#include "calc/plain_estate_line.h"

#include <array>

#include "calc/plain_reader.h"

namespace qismaru::calc {

namespace {

constexpr std::array<std::string_view, 4> kAmountNames = {"gross", "funeral", "debts", "bequest"};

// The estate's members as written, before the amounts are read.
struct PlainEstate {
    std::array<std::optional<std::string_view>, kAmountNames.size()> amounts;
    std::optional<bool> heirsConsent;
    std::optional<int> decimals;

    // Reads one member; false for anything else, or a member given twice.
    bool readMember(std::string_view name, PlainReader& reader)
    {
        for (std::size_t i = 0; i < kAmountNames.size(); ++i) {
            if (name != kAmountNames[i]) continue;
            if (amounts[i]) return false;
            amounts[i] = reader.plainString();
            return amounts[i].has_value();
        }
        if (name == "heirsConsent" && !heirsConsent) {
            heirsConsent = reader.boolean();
            return heirsConsent.has_value();
        }
        if (name == "decimals" && !decimals) {
            decimals = reader.count();
            return decimals && *decimals <= estate::kMaxDecimals;
        }
        return false;
    }

    // The inputs, when every amount reads; the full reading words any refusal.
    std::optional<estate::EstateInputs> inputs() const
    {
        if (!amounts[0]) return std::nullopt;
        estate::EstateInputs in;
        in.heirsConsent = heirsConsent.value_or(false);
        in.decimals = decimals.value_or(estate::kDefaultDecimals);
        estate::Minor* targets[] = {&in.gross, &in.funeral, &in.debts, &in.bequest};
        for (std::size_t i = 0; i < kAmountNames.size(); ++i) {
            if (!amounts[i]) continue;
            estate::AmountReading reading =
                estate::readAmount(*amounts[i], in.decimals, estate::DigitGrouping::Refused);
            if (!reading.ok()) return std::nullopt;
            *targets[i] = std::move(*reading.minor);
        }
        return in;
    }
};

std::optional<estate::EstateInputs> readPlainEstate(PlainReader& reader)
{
    if (!reader.take('{')) return std::nullopt;
    PlainEstate estate;
    do {
        const std::optional<std::string_view> name = reader.name();
        if (!name || !reader.take(':') || !estate.readMember(*name, reader)) return std::nullopt;
    } while (reader.take(','));
    if (!reader.take('}')) return std::nullopt;
    return estate.inputs();
}

}  // namespace

std::optional<PlainEstateLine> readPlainEstateLine(std::string_view line)
{
    PlainReader reader(line);
    if (!reader.take('{')) return std::nullopt;
    std::optional<KindCounts> counts;
    std::optional<estate::EstateInputs> estate;
    do {
        const std::optional<std::string_view> name = reader.name();
        if (!name || !reader.take(':')) return std::nullopt;
        if (*name == "counts" && !counts) {
            if (!(counts = readPlainCounts(reader))) return std::nullopt;
        } else if (*name == "estate" && !estate) {
            if (!(estate = readPlainEstate(reader))) return std::nullopt;
        } else {
            return std::nullopt;
        }
    } while (reader.take(','));
    if (!reader.take('}')) return std::nullopt;
    reader.skipBlanks();
    if (!reader.atEnd() || !counts || !estate) return std::nullopt;
    return PlainEstateLine{*counts, std::move(*estate)};
}

}  // namespace qismaru::calc
