#include "present/relation_builder.h"

#include "present/relative_names.h"
#include "present/result_table.h"

namespace qismaru {

namespace {

constexpr RelationStep kSteps[] = {
    {Link::Son, "ابن"},
    {Link::Daughter, "بنت"},
    {Link::Father, "أب"},
    {Link::Mother, "أم"},
    {Link::FullBrother, "أخ شقيق"},
    {Link::ConsanguineBrother, "أخ لأب"},
    {Link::UterineBrother, "أخ لأم"},
    {Link::FullSister, "أخت شقيقة"},
    {Link::ConsanguineSister, "أخت لأب"},
    {Link::UterineSister, "أخت لأم"},
    {Link::Husband, "زوج"},
    {Link::Wife, "زوجة"},
    {Link::Emancipator, "المعتِق"},
};

constexpr const char* kFirstStep = "اختر صلته بالميت: ابن، بنت، أب، أم، أخ، أخت، زوج، زوجة، المعتِق";

}  // namespace

std::span<const RelationStep> relationSteps() { return kSteps; }

bool RelationBuilder::offers(Link link) const
{
    RelativePath longer = path_;
    if (!longer.add(link)) return false;
    const PathReading read = readRelative(longer.text());
    return read.relative && kinshipOf(longer).isAccepted();
}

bool RelationBuilder::step(Link link)
{
    if (!offers(link)) return false;
    path_.add(link);
    return true;
}

void RelationBuilder::back()
{
    RelativePath shorter;
    for (int i = 0; i + 1 < path_.size(); ++i) shorter.add(path_[i]);
    path_ = shorter;
}

std::string RelationBuilder::name(bool uterineSexGiven) const
{
    if (path_.empty()) return kFirstStep;
    return relativeRowName({path_, false, 1, ""}, uterineSexGiven, TableMedium::Screen);
}

int RelationBuilder::maxCount() const { return !path_.empty() && isOnePerson(kinshipOf(path_)) ? 1 : kMaxCount; }

std::string labelRefusal(const std::string& label)
{
    if (label.empty() || labelIsClean(label)) return "";
    return "علامة الفرع من حرف واحد إلى ستة عشر من الحروف اللاتينية والأرقام و«-» و«_».";
}

namespace {

std::string withLabel(std::string name, const RelativeEntry& entry)
{
    if (!entry.label.empty()) name += " @" + entry.label;
    return name;
}

}  // namespace

std::string listedRelativeName(const RelativeEntry& entry, bool uterineSexGiven)
{
    return withLabel(relativeName(entry.path, {1, Nominative, false, uterineSexGiven}), entry);
}

std::string addedRelativeName(const RelativeEntry& entry, bool uterineSexGiven)
{
    return withLabel(countedRelatives(entry.path, entry.count, uterineSexGiven), entry);
}

}  // namespace qismaru
