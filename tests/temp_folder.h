// A folder of its own for a test's files, removed with everything in it when it goes.
#ifndef TESTS_TEMP_FOLDER_H
#define TESTS_TEMP_FOLDER_H

#include <string>

class TempFolder {
  public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Copies the file to folder/name, keeping its permissions; false if it could not.
bool copy_into(const std::string& file, const std::string& folder, const std::string& name);

#endif
