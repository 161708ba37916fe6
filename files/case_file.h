#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/case_file_later.h"
#include "files/disk_file.h"
#include "files/estate_json.h"
#include "files/waiting_entries.h"
#include "model/case_entry.h"
#include "model/relative_case.h"

namespace qismaru::estate {

// A .qismaru file keeps a case as it was entered: the heir kinds in the order
// of entry with their counts, the school and positions it is answered by, and
// the estate when one was given.
//
//   {"format": "qismaru-case", "version": 2,
//    "school": "shafii", "spouseReturn": true, "noReturn": false,
//    "heirs": [{"code": "h", "count": 1}, {"code": "d", "count": 3}],
//    "estate": {"gross": "120000.50", "funeral": "1000.00", ...}}
//
// A case answered by the Hanafi school with neither extra position is
// written as version 1, without those keys, as every Qismaru reads it; any
// other is version 2, which an older Qismaru refuses rather than answer it
// by the Hanafi school unawares. A file without the keys is a Hanafi case.
// A case with heirs who died before the division keeps them under "later"
// (case_file_later.h) as version 3, which older versions refuse rather than
// divide the estate as if those heirs were alive.
// A case with relatives beyond the heir buttons keeps them under
// "relatives" (relative_entries.h), and the Hanafi rule among distant
// kindred, when it is Abu Yusuf's, as "kindredMethod": "abu-yusuf"; either
// makes it version 4, which older versions refuse rather than answer the
// case without those relatives, or by the other rule. Such a case has no
// later deaths, which are joined for the heirs of the buttons alone.
// A case that waits keeps what waits (an unborn child, missing heirs, heirs
// of unclear sex) under "waiting" (waiting_entries.h), with the outcome
// once it is known and recorded, as version 5, which older versions refuse
// rather than divide the estate as if no one waited. Such a case has no
// later deaths and no relatives by path.
inline constexpr std::string_view kCaseFileFormat = "qismaru-case";
inline constexpr int kCaseFileVersion = 5;
inline constexpr std::string_view kCaseFileSuffix = ".qismaru";
// A case of 21 kinds and an estate is well under a kilobyte; the largest a
// case may hold (every kind at the largest count, as many later deaths as a
// case holds, each with every kind and a link for each, the largest
// estate) is saved in under 102 KiB. Anything larger is not a case file,
// and is refused before it is parsed; and a case is never saved larger.
inline constexpr std::size_t kMaxCaseFileBytes = 128 * 1024;

struct CaseFile {
    std::vector<HeirEntry> heirs;
    std::optional<EstateInputs> estate;
    Positions positions;
    std::vector<LaterDeathEntry> later{};
    // After the heirs of the buttons, the relatives entered by path.
    std::vector<RelativeEntry> relatives{};
    // Beside the heirs, what waits, and the outcome when it is recorded.
    std::optional<WaitingEntry> waiting{};

    bool operator==(const CaseFile&) const = default;
};

enum class CaseFileProblem {
    None,
    Unreadable,  // no such file, no permission, not a regular file, a failing disk
    TooLarge,
    NotJson,
    NotText,         // a NUL byte, after which JSON readers would read no further
    RepeatedMember,  // a member given twice, of which readers would silently take the last
    UnknownMember,   // a member no Qismaru writes, such as a misspelt "Estate"
    NotACaseFile,    // JSON, but not of this format
    NewerVersion,    // written by a later Qismaru, in a format this one does not know
    BadHeirs,
    BadEstate,
    // An unknown school, a switch that is not true or false, no return under a
    // school that returns or beside the return to a spouse.
    BadPositions,
    BadLaterDeaths,      // heirs the window could not enter, or references that do not hold
    TooManyLaterDeaths,  // more than a case holds (kMaxLaterDeaths)
    BadWaiting,          // what waits malformed, beside later deaths or relatives, or an outcome that does not fit
};

struct CaseFileReading {
    std::optional<CaseFile> file;
    CaseFileProblem problem = CaseFileProblem::None;
    std::string detail;      // English, for the calculator
    EstateReading estate;    // why the estate was refused, for BadEstate
    DiskOutcome disk;        // why the file could not be read, for Unreadable
    std::string member;      // the member given twice or not known, for RepeatedMember and UnknownMember
    LaterDeathsFault later;  // why a later death is refused, for BadLaterDeaths

    bool ok() const { return file.has_value(); }
};

// Reads a case file. What a reader could take in more than one way is
// refused: a member given twice, a member it does not know, a NUL byte.
// Heirs that the main window could not enter are refused: an unknown or
// repeated kind, a count out of range, the husband beside wives, more than
// four wives, more grandmothers than the file's school lets inherit.
CaseFileReading readCaseFile(std::string_view text);

// The same from the file at `path`, which must be a regular file.
CaseFileReading readCaseFileAt(const std::string& path);

// The file's text: JSON, two-space indented, ending in a newline.
std::string caseFileText(const CaseFile& file);

// Why a file could not be opened, as one Arabic sentence for the window.
std::string arabicProblemText(const CaseFileReading& reading);

}  // namespace qismaru::estate
