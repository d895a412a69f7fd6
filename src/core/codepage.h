#pragma once
// Names and texts are kept in the 8-bit Windows-1252 code page, as they are
// stored in files; the screens and the font speak UTF-8.
#include <string>

namespace duskmoor {

std::string Cp1252ToUtf8(const std::string& cp1252);
// Characters with no Windows-1252 form, and malformed UTF-8, become "?".
std::string Utf8ToCp1252(const std::string& utf8);

}  // namespace duskmoor
