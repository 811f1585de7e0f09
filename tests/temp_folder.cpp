// A folder of its own for a test's files, removed with everything in it when it goes.
#include "temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    char name[] = "/tmp/backtrack-test-XXXXXX";
    if (mkdtemp(name) != nullptr) path_ = name;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
}

bool copy_into(const std::string& file, const std::string& folder, const std::string& name)
{
    std::error_code error;
    fs::create_directories(folder, error);
    return !error && fs::copy_file(file, fs::path(folder) / name, error) && !error;
}
