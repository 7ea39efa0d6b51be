#pragma once

// Profile (INI) text as the platform's private-profile service reads it, but
// parsed by our own code so that the editor reads a file the same way on
// every platform. The catalogue reader gets what the service's contract
// (fixed buffers, a default text, a returned length) would give it, emulated
// here on top of a lookup interface; values are views into the text, copied
// only by the reader into its records.
//
// Syntax, as the service treats it:
// - CR LF, LF and a lone CR each end a line.
// - Blanks (space and tab) around section names, keys and values are removed.
// - A line whose first non-blank character is ';' is a comment; a ';' later
//   in a value is part of the value.
// - A line whose first non-blank character is '[' is a section header; the
//   name ends at the first ']' (or at the end of the line when there is none).
// - A key line is any other line holding '='; the key is the text before the
//   first '=', the value the text after it. A matching pair of outer '"' or
//   '\'' around the value is removed. Lines without '=' are never found, and
//   neither are key lines before the first section header.
// - Section names and keys match without regard to ASCII case. When a section
//   name occurs twice, the first section wins; the same for keys in a section.
// - A UTF-8 byte order mark is not skipped: it makes the first line no header.
// - Bytes are bytes: nothing is converted, a zero byte is an ordinary byte.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pfedit {

// The buffers the catalogue reader hands to the service.
constexpr std::size_t kSectionNamesBufferSize = 2560;
constexpr std::size_t kProfileValueBufferSize = 128;
// The default text of every lookup; the misspelling is part of the value, so
// a key holding exactly this text reads as missing.
constexpr std::string_view kProfileReadError = "GetPrivateProfieReadError";

// One line of profile text, classified.
struct ProfileLine {
  enum Kind { kOther, kSection, kKey } kind = kOther;
  std::string_view name;   // section name or key, trimmed
  std::string_view value;  // key value, trimmed and unquoted
};
ProfileLine ParseProfileLine(std::string_view line);

// Splits text into lines at CR LF, LF or a lone CR in linear time, also for
// text that uses only one of the two characters.
class ProfileLineReader {
 public:
  explicit ProfileLineReader(std::string_view text) : text_(text) {}
  // The next line without its end, or false at the end of the text.
  bool Next(std::string_view* line);

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// ASCII case-insensitive equality.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Lookups in profile text. The text must outlive the object.
class Profile {
 public:
  virtual ~Profile() = default;
  // Every non-empty section name in file order, duplicates included. An empty
  // name cannot be listed: in the service's zero-separated list it would read
  // as the list's end.
  virtual std::vector<std::string_view> SectionNames() const = 0;
  // The whole value of the key in the first section of that name, or nothing
  // when the section or the key is missing.
  virtual std::optional<std::string_view> Find(std::string_view section,
                                               std::string_view key) const = 0;
};

// Reads the headers of the text once and indexes the keys of a section when
// it is first asked for, so that each lookup costs one hash probe whatever
// the size of the file. A reader going through one section after the other
// finds the section's lines, its key table and its values in the cache, and
// the index holds little more than the headers. One object serves one reader
// at a time: it remembers the section of the latest lookup.
class ProfileIndex final : public Profile {
 public:
  explicit ProfileIndex(std::string_view text);
  std::vector<std::string_view> SectionNames() const override;
  std::optional<std::string_view> Find(std::string_view section,
                                       std::string_view key) const override;
  // The slots the table probes passed while indexing so far, beyond the
  // first one each name looks at, a section read again included. Stays below
  // a small multiple of the number of lines whatever the names and the order
  // of the lookups are; a hash that merges names which differ would show
  // here long before it shows in a stop watch.
  std::size_t ProbeCount() const { return probes_; }

 private:
  struct Section {
    uint32_t name_at = 0;  // the name as an offset into the text
    uint32_t name_size = 0;
    uint32_t hash = 0;
    uint32_t body_at = 0;  // its lines after the header, up to the next one
    uint32_t body_size = 0;
    // While built: its key lines in entries_ and its table in key_slots_.
    bool built = false;
    uint32_t first_entry = 0;
    uint32_t entry_count = 0;
    uint32_t first_slot = 0;
    uint32_t slot_count = 0;
  };
  // A key line as offsets into the text (texts beyond 4 GiB are indexed up to
  // there), with the hash of its key, which most keys that differ differ in.
  struct Entry {
    uint32_t key_at;
    uint32_t key_size;
    uint32_t value_at;
    uint32_t value_size;
    uint32_t hash;
  };
  std::string_view Name(const Section& section) const {
    return text_.substr(section.name_at, section.name_size);
  }
  std::string_view Key(const Entry& entry) const {
    return text_.substr(entry.key_at, entry.key_size);
  }
  std::string_view Value(const Entry& entry) const {
    return text_.substr(entry.value_at, entry.value_size);
  }
  std::optional<uint32_t> FindSection(std::string_view name) const;
  // The section with its key table, built when missing.
  const Section& Built(uint32_t index) const;

  std::string_view text_;
  uint64_t seed_;
  mutable std::size_t probes_ = 0;
  mutable std::vector<Section> sections_;  // every header in file order
  // Open addressing: slot = index + 1, 0 = free. Only the first section of a
  // name enters, and only the first key of a name.
  std::vector<uint32_t> section_slots_;
  // The key lines and key tables of the sections built: the latest one alone
  // (scratch_), or every one built once sections are read again too often.
  mutable std::vector<Entry> entries_;
  mutable std::vector<uint32_t> key_slots_;
  mutable std::optional<uint32_t> scratch_;
  mutable bool keep_all_ = false;
  mutable std::size_t built_bytes_ = 0;
  mutable std::string last_section_;
  mutable std::optional<uint32_t> last_index_;
};

// What the service puts into a buffer of `size` characters when asked for all
// section names: each name followed by a zero, and one more zero after the
// last. Returns the length it reports (the characters before the final zero).
//
// When the names do not fit, the service cuts the list. The room starts at
// size - 1 (one character is kept for the list's final zero). A name is copied
// whole while its length plus its zero stays below the room left. The first
// name that does not is copied cut to the room left minus one (whole when it
// fills the room exactly), followed by its zero and the final zero; later
// names are dropped and the service reports size - 2. So with 2560 characters
// the buffer always ends in two zeros, and the cut name is still a name: the
// reader takes it like any other (and its keys are usually not found).
std::size_t GetProfileSectionNames(const Profile& profile, std::size_t size, std::string* buffer);

// The catalogue reader's view of the section names: the buffer of 2560 split
// at zeros up to the first empty name, at most 256 names. Sets overflow when a
// 257th name is reached. Returns false when the service reported nothing or
// the first name is the default text (missing file or no section).
bool ReadSectionNames(const Profile& profile, std::vector<std::string>* names, bool* overflow);

// The catalogue reader's view of one key: what the service puts into its
// buffer of 128 characters, up to the first zero, as a view into the text.
// Nothing unless the value is neither empty nor the default text: an empty
// value counts as missing, also when a zero byte at its start makes it empty.
std::optional<std::string_view> ReadKey(const Profile& profile, std::string_view section,
                                        std::string_view key);

}  // namespace pfedit
