#pragma once
// The transfer library, loaded at its first use. Linked in the ordinary way, it and the libraries
// it brings (TLS, Kerberos, LDAP, SSH and more) are loaded and relocated at every start, about a
// tenth of the time the program takes to show its home screen, though many runs go online late
// or never. CurlLibrary.cpp defines the library's functions that the program calls; each loads the
// library on the first call and hands the call on.

#include <string>

namespace fnd {

class CurlLibrary {
  public:
    // The library's function of that name; null when the library or the function is not there
    // (the reason is logged once).
    static void* symbol(const char* name);
    // Whether the library has been loaded (for tests).
    static bool isLoaded();
};

}  // namespace fnd
