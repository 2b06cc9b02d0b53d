#pragma once
// The platform's folder separator: "/" on Linux, a backslash on Windows.

namespace siconv {

// The separator that joins a folder and a name.
char PathSeparator();

// True for a byte that ends a folder in a path.
bool IsPathSeparator(char c);

}  // namespace siconv
