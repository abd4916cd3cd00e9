// An XML file that owns one options record and keeps it in step with its file.
//
// At creation the record is read from the file; a missing file is created with the
// defaults. A file that cannot be read as options (empty, not 7-bit, not XML, values
// out of range, a newer version) never stops the program: it is set aside as
// "<name>.bad", the defaults take its place and are written, and problem() tells
// what happened so that the shell can show it. Fields absent from a good file keep
// their defaults.
#pragma once

#include "model/FileUtils.h"
#include "model/TimeStamp.h"
#include "xml/XmlFile.h"
#include "xml/XmlTable.h"

#include <functional>
#include <memory>
#include <string>

namespace PV {
namespace XML {

// Where the options files live and whose name a new application-options file
// carries. The shell knows both (its configuration folder, the logged-on user) and
// sets them at start-up, before the first options file opens; opening one by its
// default name before that is a fault in the caller.
struct OptionsHome {
  std::string folder;    // an existing folder
  std::string userName;  // the owner of a newly created application-options file
  // When given, asked for that owner instead, and only when a new file needs one:
  // finding the logged-on user loads a system library that a run whose files are in
  // place never needs.
  std::function<std::string()> findUserName = nullptr;
};
void setOptionsHome(const OptionsHome& home);
const OptionsHome& optionsHome();
// The owner a newly created application-options file carries.
std::string newOptionsOwner();
// The path of an options file in the home folder.
std::string optionsFilePath(const std::string& fileName);

template <class T>
class OptsFile : public File<T> {
 public:
  explicit OptsFile(const std::string& path) : File<T>(path, true), filename_(path) {}

  // The options; callers change them and then call save.
  T& options() { return record_; }
  const T& options() const { return record_; }

  // Reads the record from the file again; false, with the record unchanged, when
  // there is nothing to read. Throws FileError (the record unchanged) when the file
  // is not a valid options file.
  bool load();
  // Writes the record to the file (through a temporary file beside it), its modtime
  // now the time of this save: the record changes only to be saved. False when it
  // could not be written, the previous file and the record's modtime then unchanged.
  bool save();

  // What went wrong with the file at creation, empty when nothing did.
  const std::string& problem() const { return problem_; }

 protected:
  // Builds the table, then reads the file or falls back to the defaults.
  void init(const TableEntry* entries, uint32_t n);
  virtual void setDefaults() = 0;
  // After the file was read over the defaults, or when a new record is made from them:
  // the defaults that cost something to find, given only where the file held no value.
  virtual void completeDefaults() {}
  Table& table() { return *table_; }
  // What every options record starts with: version 1.0, made and changed now.
  static void stampNewRecord(T& record);
  // Reads the root element into the record and refuses a version this program does
  // not read (FormatError); the caller reads the elements below it.
  Table::InputIterator& readRootOf(T& record, double maxVersion);
  // Writes the root element of the record; the caller writes the elements below it.
  Table::OutputIterator& writeRootOf(T& record);

 private:
  T record_;
  std::unique_ptr<Table> table_;
  std::string filename_;
  std::string problem_;
};

template <class T>
bool OptsFile<T>::load() {
  if (!this->isOkay()) return false;
  // Fields the file does not hold take their defaults. A failed read leaves the
  // record as it was.
  const T kept = record_;
  record_ = T();
  setDefaults();
  try {
    this->read(record_);
  } catch (...) {
    record_ = kept;
    throw;
  }
  if (!this->isOkay()) {
    record_ = kept;
    return false;
  }
  completeDefaults();
  return true;
}

template <class T>
void OptsFile<T>::stampNewRecord(T& record) {
  record.set_appver(1.0);
  std::string now;
  PV::Util::timeStamp(now, false);
  record.set_modtime(now);
  record.set_crtime(now);
}

template <class T>
Table::InputIterator& OptsFile<T>::readRootOf(T& record, double maxVersion) {
  PV_ASSERT(this->doc().IsWellFormed());
  Table::InputIterator& iter = table().input();
  iter.reset();
  table().readRoot(this->doc(), record, iter);
  const double version = record.get_appver();
  if (!(version >= MIN_APPVER && version <= maxVersion))
    throw FormatError("it was written by a newer version of the program (appver " + this->doc().GetAttribute("appver") +
                      "); this version reads options files up to 1.0");
  return iter;
}

template <class T>
Table::OutputIterator& OptsFile<T>::writeRootOf(T& record) {
  Table::OutputIterator& iter = table().output();
  iter.reset();
  table().writeTableHeader(this->doc(), record, iter);
  return iter;
}

template <class T>
bool OptsFile<T>::save() {
  PV_ASSERT(!filename_.empty());
  const std::string before = record_.get_modtime();
  std::string now;
  PV::Util::timeStamp(now, false);
  record_.set_modtime(now);
  if (this->write(record_)) return true;
  record_.set_modtime(before);
  return false;
}

template <class T>
void OptsFile<T>::init(const TableEntry* entries, uint32_t n) {
  table_ = std::make_unique<Table>(entries, n);
  bool loaded = false;
  try {
    loaded = load();
  } catch (const FileError& refused) {
    const std::string message = FileIo::asSentence(refused.what());
    const std::string aside = filename_ + ".bad";
    std::string why;
    if (PV::Util::renameOver(filename_, aside, why))
      problem_ = message + " It was set aside as " + aside + " and replaced by the default options.";
    else
      problem_ = message + " It was replaced by the default options.";
  }
  if (!loaded) {
    record_ = T();
    // A new record was made and changed at one time (setDefaults stamps both).
    setDefaults();
    completeDefaults();
    if (!this->write(record_)) {
      if (!problem_.empty()) problem_ += " ";
      problem_ += "The options file " + filename_ + " could not be written: " + this->errorText();
    }
  }
}

}  // namespace XML
}  // namespace PV
