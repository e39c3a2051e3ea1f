// Text crosses into the platform here: UTF-8 inside the program, the
// system's ANSI code page (932 on the systems the saver is made for) outside.
#pragma once

#include <string>

std::string AnsiFromUtf8(const std::string& utf8);
std::string Utf8FromAnsi(const std::string& ansi);
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);
