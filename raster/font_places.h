// Where the window programs look for their font, and how those places are named to a user.
#ifndef RASTER_FONT_PLACES_H
#define RASTER_FONT_PLACES_H

#include <string>
#include <vector>

// The folders to look in, in order: the working directory (given as ""), the folder of
// the running program, and the data folder that an installed tree keeps at data_folder
// relative to its programs' folder (such as "../share/backtrack"). Without a known program
// folder ("") only the working directory is left.
std::vector<std::string> font_folders(const std::string& program_folder,
                                      const std::string& data_folder);

// The folder that holds the running program's file, or "" when the system does not say.
std::string running_program_folder();

// The file name in folder, as a path to open.
std::string path_in(const std::string& folder, const char* file);

// The folders as a message names them: "the working directory, /a/bin or /a/share/x".
std::string describe_folders(const std::vector<std::string>& folders);

#endif
