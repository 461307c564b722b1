#pragma once

#include <windows.h>
// objbase.h needs windows.h before it.
#include <objbase.h>

namespace tess {

// COM on this thread, a single-threaded apartment, for as long as this lives;
// a thread that has COM already keeps it as it is.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace tess
