#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The whole content of a file as bytes in a string; empty when it cannot be read.
inline std::string FileContents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}
