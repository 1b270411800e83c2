#include "form/gbk_text.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace form {

namespace {

// Owns an iconv descriptor.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (valid())
            iconv_close(m_cd);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

} // namespace

QString fromGbk(const char* gbk)
{
    if (!gbk)
        return {};
    IconvHandle cd("UTF-8", "GBK");
    if (!cd.valid())
        return QString::fromLatin1(gbk);

    std::string input(gbk);
    std::string output;
    char* in = input.data();
    size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd.get(), &in, &inLeft, &out, &outLeft);
        output.append(buffer, out);
        if (result != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // An invalid or cut-off sequence: show a replacement and step over one byte.
        output.append("\xEF\xBF\xBD");
        ++in;
        --inLeft;
    }
    return QString::fromUtf8(output);
}

} // namespace form
