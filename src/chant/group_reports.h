#pragma once
// The group report files of the developer batch ("Get Groups"): one text file per trope
// group, "HAFNone.txt" ... "HAFShalshelet.txt", in a folder. After each reading of the batch
// is loaded, the verse of every verse-ending word whose verse has no translation line is
// written to the None file as "{GEN:1:5}"; the other files are created and stay empty.

#include <filesystem>
#include <string>

#include "text/word_table.h"

namespace lyrasta {

// The accents of the word's last letter that has accents other than a lone paseq ("05");
// empty when there is none.
std::string LastAccents(const TWordTable& table, int word);

// "{GEN:1:5}" of the word's first letter to sing; empty when it has none.
std::string VerseReference(const TWordTable& table, int word);

// Writes the report of the loaded reading: with `first` the fifteen files are made anew,
// otherwise the None file's new lines are appended. False with the reason in `error` when a
// file cannot be written; what was written before stays.
bool WriteGroupReports(const TWordTable& table, const std::filesystem::path& folder, bool first,
                       std::string* error = nullptr);

}  // namespace lyrasta
