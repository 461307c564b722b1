#include "ui/Application.h"

int main(int argc, char** argv) { return tess::RunApplication(argc, argv); }
