// Build-time packer: turns the files in assets/ into the program's read-only
// constant pool, a C++ source with one byte array and the offset of each entry.
//
//   pack_constant_pool <out.cpp> <cover.jpg> <hint_title.txt> <hint_text.txt> <hidden.jpg>
//
// The texts are kept as UTF-8 in the repository and stored as GBK in the pool,
// NUL-terminated; the pictures are stored as ByteSets (int32 dimension count 1,
// int32 length, the file's bytes), little-endian; the disc radius is a double.
#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::optional<Bytes> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv() { if (valid()) iconv_close(m_cd); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }
private:
    iconv_t m_cd;
};

std::optional<Bytes> utf8ToGbk(const Bytes& utf8)
{
    Iconv cd("GBK", "UTF-8");
    if (!cd.valid())
        return std::nullopt;
    std::string in(utf8.begin(), utf8.end());
    Bytes out(in.size() * 2 + 4);
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = reinterpret_cast<char*>(out.data());
    size_t outLeft = out.size();
    if (iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

void appendInt32(Bytes& pool, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        pool.push_back(static_cast<unsigned char>(u >> shift));
}

void appendByteSet(Bytes& pool, const Bytes& data)
{
    appendInt32(pool, 1);
    appendInt32(pool, static_cast<std::int32_t>(data.size()));
    pool.insert(pool.end(), data.begin(), data.end());
}

void appendText(Bytes& pool, const Bytes& gbk)
{
    pool.insert(pool.end(), gbk.begin(), gbk.end());
    pool.push_back(0);
}

void appendDouble(Bytes& pool, double value)
{
    static_assert(std::endian::native == std::endian::little, "the pool is written little-endian");
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    pool.insert(pool.end(), std::begin(bytes), std::end(bytes));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::cerr << "usage: pack_constant_pool <out.cpp> <cover.jpg> <hint_title.txt> <hint_text.txt> <hidden.jpg>\n";
        return 2;
    }
    const std::string outPath = argv[1];
    const char* inputs[] = {argv[2], argv[3], argv[4], argv[5]};
    Bytes contents[4];
    for (int i = 0; i < 4; ++i) {
        auto bytes = readFile(inputs[i]);
        if (!bytes) {
            std::cerr << "pack_constant_pool: cannot read " << inputs[i] << '\n';
            return 1;
        }
        contents[i] = std::move(*bytes);
    }
    const auto title = utf8ToGbk(contents[1]);
    const auto text = utf8ToGbk(contents[2]);
    if (!title || !text) {
        std::cerr << "pack_constant_pool: a hint text cannot be written in GBK\n";
        return 1;
    }

    // Order and packing are fixed: cover, title, text, hidden picture, radius.
    Bytes pool;
    const size_t coverOffset = pool.size();
    appendByteSet(pool, contents[0]);
    const size_t titleOffset = pool.size();
    appendText(pool, *title);
    const size_t textOffset = pool.size();
    appendText(pool, *text);
    const size_t hiddenOffset = pool.size();
    appendByteSet(pool, contents[3]);
    const size_t radiusOffset = pool.size();
    appendDouble(pool, 10.0);

    std::ofstream out(outPath + ".tmp", std::ios::binary | std::ios::trunc);
    out << "// Generated at build time by assets/pack_constant_pool.cpp; do not edit.\n";
    out << "// Sources:\n";
    for (int i = 0; i < 4; ++i)
        out << "//   " << std::filesystem::path(inputs[i]).filename().string() << " (" << contents[i].size() << " bytes)\n";
    out << "#include \"assets/constant_pool_data.h\"\n\nnamespace assets::generated {\n\n";
    out << "alignas(8) const unsigned char pool[" << pool.size() << "] = {";
    for (size_t i = 0; i < pool.size(); ++i) {
        if (i % 24 == 0)
            out << "\n   ";
        out << ' ' << static_cast<unsigned>(pool[i]) << ',';
    }
    out << "\n};\n\n";
    out << "const PoolLayout layout = {" << coverOffset << ", " << titleOffset << ", " << textOffset
        << ", " << hiddenOffset << ", " << radiusOffset << ", " << pool.size() << "};\n\n";
    out << "} // namespace assets::generated\n";
    out.close();
    if (!out) {
        std::cerr << "pack_constant_pool: cannot write " << outPath << '\n';
        return 1;
    }
    std::filesystem::rename(outPath + ".tmp", outPath);
    return 0;
}
