#pragma once
// Runs siconv-cli in-process and looks at survey folders before and after.
#include <map>
#include <string>
#include <vector>

namespace siconv {

struct CliRun {
  int exitCode;
  std::string out;
  std::string err;
};

// args without the program's name.
CliRun RunCliWith(const std::vector<std::string>& args);

// name (whose "/" separate folders) in folder, joined with the platform's separator.
std::string In(const std::string& folder, std::string name);

// Whether text holds part.
inline bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Copies examples/<example> of the source tree to folder (created).
void CopyExample(const std::string& example, const std::string& folder);

// Every file below folder, by path relative to it, with its bytes.
std::map<std::string, std::string> TreeBytes(const std::string& folder);

inline constexpr const char* kIniAllSi =
    "[UNITTYPE]\r\nSI_0=1\r\nSI_1=1\r\nSI_2=1\r\nSI_3=1\r\nSI_4=1\r\nSI_5=1\r\n";
inline constexpr const char* kIniAllOld =
    "[UNITTYPE]\r\nSI_0=0\r\nSI_1=0\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=0\r\n";

}  // namespace siconv
