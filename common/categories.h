// The categories of a macro library: their names live in a text side file of
// name and id line pairs; in memory they are an ordered list whose entry 0
// stands for all macros.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orv {

struct Category {
    std::string Name;
    std::int32_t Id = 0;

    friend bool operator==(const Category&, const Category&) = default;
};

inline constexpr const char* AllCategoriesName = " *All Categories* ";

// The in-memory side of the category file; the editor's list shows it.
class CategoryList {
  public:
    CategoryList() { InitCat(); }

    // Only the head entry, and a highest id of 1.
    void InitCat();
    // Replaces the list by the file's pairs; a file that cannot be opened
    // leaves only the head entry.
    void LoadCatFile(const std::string& fileName);
    // Writes every entry but the head, replacing the file; false when it could
    // not be written (the old file then stays).
    bool SaveCatFile(const std::string& fileName) const;

    void Add(std::string name, std::int32_t id);

    const std::vector<Category>& Entries() const { return entries_; }
    std::vector<Category>& Entries() { return entries_; }
    std::int32_t HighestId() const { return highestId_; }

  private:
    std::vector<Category> entries_;
    std::int32_t highestId_ = 1;
};

}  // namespace orv

namespace orv {

// After a library has been loaded: its category file is read, or made (empty)
// when there is none yet.
void GetCatFile(CategoryList& list, const std::string& library);

}  // namespace orv
