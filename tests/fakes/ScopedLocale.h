#pragma once

#include <cctype>
#include <clocale>
#include <string>

namespace tess::test {

// Sets the process's C locale (all categories) for the lifetime of the object
// and puts the previous one back afterwards. Ok() is false when the locale is
// not installed (the test build generates the ones the tests name, see LOCPATH).
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
        ok_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    bool Ok() const { return ok_; }

private:
    std::string previous_;
    bool ok_ = false;
};

// A locale's name as a test's name: what is not a letter or digit as '_'.
inline std::string LocaleTestName(std::string name) {
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

}  // namespace tess::test
