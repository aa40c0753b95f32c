#include "common/categories.h"

#include "common/files.h"
#include "common/side_files.h"
#include "common/string_routines.h"
#include "common/whole_numbers.h"

namespace orv {

namespace {

constexpr std::size_t MaxNameLength = 255;

// One text line without its CR LF (a bare LF ends a line too); false at the
// end of the file.
bool ReadLine(std::FILE* f, std::string& line) {
    line.clear();
    int c = std::fgetc(f);
    if (c == EOF)
        return false;
    for (; c != EOF && c != '\n'; c = std::fgetc(f)) line += static_cast<char>(c);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

}  // namespace

void CategoryList::InitCat() {
    entries_.assign(1, Category{AllCategoriesName, 0});
    highestId_ = 1;
}

void CategoryList::Add(std::string name, std::int32_t id) {
    entries_.push_back({std::move(name), id});
    if (id > highestId_)
        highestId_ = id;
}

void CategoryList::LoadCatFile(const std::string& fileName) {
    InitCat();
    FilePtr f = OpenFile(fileName, "rb");
    if (!f)
        return;
    std::string name, idLine;
    while (ReadLine(f.get(), name) && ReadLine(f.get(), idLine)) {
        std::int32_t id = LeadingWholeNumber(idLine);
        if (id != 0)
            Add(name.substr(0, MaxNameLength), id);
    }
}

bool CategoryList::SaveCatFile(const std::string& fileName) const {
    std::string text;
    for (const Category& c : entries_) {
        if (c.Id == 0)
            continue;
        text += c.Name + "\r\n" + std::to_string(c.Id) + "\r\n";
    }
    return ReplaceFileContents(fileName, text);
}

void GetCatFile(CategoryList& list, const std::string& library) {
    const std::string name = CategoryFileName(library);
    if (FileExists(name)) {
        list.LoadCatFile(name);
        return;
    }
    list.InitCat();
    list.SaveCatFile(name);
}

}  // namespace orv
