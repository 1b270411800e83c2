// The program's texts are GBK (code page 936); Qt draws Unicode.
#pragma once

#include <QString>

namespace form {

// Decodes a NUL-terminated GBK text; bytes that are not valid GBK become U+FFFD.
QString fromGbk(const char* gbk);

} // namespace form
