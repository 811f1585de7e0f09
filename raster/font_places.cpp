// Where the window programs look for their font, and how those places are named to a user.
#include "raster/font_places.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::vector<std::string> font_folders(const std::string& program_folder,
                                      const std::string& data_folder)
{
    std::vector<std::string> folders = {""};
    if (program_folder.empty()) return folders;
    folders.push_back(program_folder);
    // Taken apart by name, not through the file system: /proc/self/exe has already resolved
    // every link, and a data folder that is missing must still be named in the message.
    folders.push_back((fs::path(program_folder) / data_folder).lexically_normal().string());
    if (folders.back().size() > 1 && folders.back().back() == '/') folders.back().pop_back();
    return folders;
}

std::string running_program_folder()
{
    // Linux names the program's file here, whatever folder or link it was started through;
    // so an installed tree that is moved elsewhere still finds its data beside it.
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error || !program.is_absolute()) return "";
    return program.parent_path().string();
}

std::string path_in(const std::string& folder, const char* file)
{
    if (folder.empty()) return file;
    return (fs::path(folder) / file).string();
}

std::string describe_folders(const std::vector<std::string>& folders)
{
    std::string text;
    for (size_t k = 0; k < folders.size(); ++k) {
        if (k > 0) text += k + 1 == folders.size() ? " or " : ", ";
        text += folders[k].empty() ? "the working directory" : folders[k];
    }
    return text;
}
