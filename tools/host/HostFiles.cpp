#include "tools/host/HostFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "os/File.h"
#include "os/Utf.h"

namespace kv::host {

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error)
{
    const std::filesystem::path name(kv::os::Utf8ToUtf16(path));
    std::error_code ec;
    if (!std::filesystem::is_regular_file(name, ec)) {
        error = "cannot read '" + path + "': not found, or not a regular file";
        return false;
    }
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        error = "cannot open '" + path + "'";
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "cannot read '" + path + "'";
        return false;
    }
    return true;
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error)
{
    kv::os::FileWriter file;
    if (!file.Create(kv::os::Utf8ToUtf16(path))) {
        error = "cannot create '" + path + "'";
        return false;
    }
    if (!file.Write(bytes.data(), bytes.size())) {
        error = "cannot write '" + path + "'";
        return false;
    }
    file.Close();
    return true;
}

} // namespace kv::host
