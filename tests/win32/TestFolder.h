// A folder of the tests' own under the temporary folder, with a blank in its
// name so that paths with blanks are exercised; removed with what it holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class TestFolder {
  public:
    TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder();

    const std::string& Path() const { return m_path; }
    // The full path of a file in the folder.
    std::string File(std::string_view name) const;
    // Creates or replaces the file with exactly these bytes.
    bool Write(std::string_view name, std::string_view bytes) const;
    // The bytes of the file; nothing if it does not exist.
    std::optional<std::string> Read(std::string_view name) const;
    void Remove(std::string_view name) const;

  private:
    std::string m_path;
};
