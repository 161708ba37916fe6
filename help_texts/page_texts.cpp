#include "help_texts/page_texts.h"

namespace qismaru::help {

namespace {

// Each page is a teacher's summary card of one heir kind: when it takes a
// fixed share and which, when it takes the remainder or shares it two to
// one, who excludes it and whom it excludes, and the named cases it stands
// in, with the figures of each named case. The statements follow the
// computation of this program under the school and positions in force:
// where the answer turns on them (the grandfather with the siblings, the
// Mushtaraka, the return, the return to a spouse, how the distant kindred
// inherit) the point has a statement for each answer, and the one shown
// says briefly what the others hold.
// Where the program takes one side of a question the books answer
// differently, the page says so rather than teach it as settled.

using enum Holds;

constexpr PageStatement kMother[] = {
    {"mother.third", "لها الثلث إذا لم يكن للميت فرع وارث ولا اثنان فأكثر من الإخوة والأخوات."},
    {"mother.sixth",
     "ولها السدس مع الفرع الوارث، أو مع اثنين فأكثر من الإخوة والأخوات من أي جهة كانوا، وارثين أو محجوبين."},
    {"mother.umariyyatan",
     "وفي العمريتين لها ثلث الباقي بعد فرض أحد الزوجين: زوج وأم وأب، أو زوجة وأم وأب، إذا لم يكن معهم فرع وارث "
     "ولا اثنان فأكثر من الإخوة."},
    {"mother.grandfather", "فإن كان الجد مكان الأب فلها ثلث المال كله، إذا لم يكن فرع وارث ولا اثنان فأكثر من الإخوة."},
    {"mother.standing", "لا يحجبها أحد، وهي تحجب الجدات كلهن."},
};

constexpr PageStatement kFather[] = {
    {"father.sixth", "له السدس فرضاً مع الابن أو ابن الابن."},
    {"father.sixthAndRemainder", "وله السدس والباقي مع البنت أو بنت الابن."},
    {"father.remainder", "وله الباقي إذا لم يكن فرع وارث، وفي العمريتين له ثلثا الباقي بعد فرض الزوج أو الزوجة."},
    {"father.sixthAtLeast", "فإن لم يبق بعد الفروض أكثر من السدس فرض له السدس، وعالت المسألة إن نقص الباقي عنه."},
    {"father.excludes",
     "لا يحجبه أحد، ويحجب الجد والإخوة والأخوات وبنيهم والأعمام وبنيهم. ولا يحجب الجدة من جهة الأم، وفي أم الأب "
     "انظر صفحة الجدات."},
};

constexpr PageStatement kFullSisters[] = {
    {"fullSisters.fixed", "للواحدة النصف، وللثنتين فأكثر الثلثان، إذا لم يكن فرع وارث ولا أب ولا جد ولا أخ شقيق."},
    {"fullSisters.withBrother", "ومع الأخ الشقيق لهم الباقي، للذكر مثل حظ الأنثيين."},
    {"fullSisters.withDaughters",
     "ومع البنت أو بنت الابن تأخذ الباقي، فتحجب الإخوة والأخوات لأب وبني الإخوة والأعمام وبنيهم."},
    {"fullSisters.excluded",
     "يحجبها الابن وابن الابن والأب والجد، وحجب الجد لها قول أبي حنيفة، وعند المالكية والشافعية والحنابلة تقاسمه.",
     GrandfatherExcludesSiblings},
    {"fullSisters.excluded",
     "يحجبها الابن وابن الابن والأب. ومع الجد تقاسمه، له مثلا ما لها، وله الأحظ من المقاسمة والثلث، على قول زيد، "
     "وعند أبي حنيفة يحجبها الجد.",
     GrandfatherSharesWithSiblings},
    {"fullSisters.akdariyya",
     "ولا أكدرية عند الحنفية: في زوج وأم وجد وأخت يحجب الجد الأخت ويأخذ الباقي؛ وعند المالكية والشافعية والحنابلة "
     "يُفرض لها النصف ثم تقاسم الجد، فتصح من سبعة وعشرين.",
     GrandfatherExcludesSiblings},
    {"fullSisters.akdariyya",
     "الأكدرية: زوج وأم لها الثلث وجد وأخت شقيقة أو لأب، يُفرض فيها للأخت النصف وتعول المسألة إلى تسعة، ثم يُضم "
     "نصيبها إلى نصيب الجد ويُقسم بينهما للذكر مثل حظ الأنثيين، فتصح من سبعة وعشرين: للأخت أربعة.",
     GrandfatherSharesWithSiblings},
    {"fullSisters.mubahala",
     "المباهلة: زوج وأم وأخت شقيقة أو لأب، أصلها ستة وتعول إلى ثمانية: للزوج ثلاثة، وللأم اثنان، وللأخت ثلاثة. "
     "سميت بذلك لأن ابن عباس، وكان لا يرى العول، دعا من خالفه فيه إلى المباهلة."},
    {"fullSisters.marwaniyya",
     "المروانية، وتسمى الغراء: زوج وأختان شقيقتان واثنان من الإخوة لأم، أصلها ستة وتعول إلى تسعة: للزوج ثلاثة، "
     "وللأختين أربعة، وللإخوة لأم اثنان. سميت بذلك لوقوعها في زمن مروان."},
    {"fullSisters.shurayhiyya",
     "الشريحية، وتسمى أم الفروخ: زوج وأم وأختان شقيقتان واثنان من الإخوة لأم، أصلها ستة وتعول إلى عشرة، وهو أكثر ما "
     "تعول إليه الستة: للزوج ثلاثة، وللأم واحد، وللأختين أربعة، وللإخوة لأم اثنان. سميت بالقاضي شريح، قضى فيها "
     "للزوج بثلاثة من عشرة."},
    {"fullSisters.kindred",
     "وأولادها من ذوي الأرحام، وهم مع بنات الإخوة وأولاد الإخوة لأم الصنف الثالث عند الحنفية: يُقدَّم الأقرب "
     "درجة، ثم يُقسم على قول محمد على الإخوة والأخوات كأنهم الورثة، فبنت أخت شقيقة وبنت أخت لأب كشقيقة وأخت لأب، "
     "المال بينهما أرباعًا: ثلاثة وواحد؛ وعلى قول أبي يوسف يُقدَّم الأقوى قرابة، فالمال لبنت الشقيقة. وعند أهل "
     "التنزيل يُنزَّلون منزلة أمهم.",
     KindredByKinship},
    {"fullSisters.kindred",
     "وأولادها من ذوي الأرحام، يُنزَّلون منزلتها: فبنت أخت شقيقة وبنت أخت لأب كشقيقة وأخت لأب، لهما النصف والسدس "
     "ويُرد عليهما، فالمال بينهما أرباعًا: ثلاثة وواحد. ويُقسم نصيبها بين أولادها بالسوية عند الحنابلة، وللذكر "
     "مثل حظ الأنثيين عند المالكية والشافعية. وعند الحنفية هم من الصنف الثالث.",
     KindredByPlacing},
    {"fullSisters.kindred", "وأولادها من ذوي الأرحام، ولا يرثون على القول بعدم الرد: ما بقي بعد الفروض لبيت المال.",
     NotReturned},
};

constexpr PageStatement kSonsDaughters[] = {
    {"sonsDaughters.fixed", "إذا لم يكن ابن ولا ابن ابن ولا بنت: للواحدة النصف، وللثنتين فأكثر الثلثان."},
    {"sonsDaughters.sixth", "ومع البنت الواحدة لهن السدس تكملة للثلثين، واحدة كن أو أكثر."},
    {"sonsDaughters.excluded", "يحجبها الابن، وتحجبها البنتان فأكثر."},
    {"sonsDaughters.withSonsSon",
     "فإن كان معها ابن ابن عصبها، فلهم الباقي للذكر مثل حظ الأنثيين، ولو استكملت البنات الثلثين."},
    {"sonsDaughters.return", "وإن لم يكن عاصب رد عليها ما بقي كما يرد على البنت.", Returned},
    {"sonsDaughters.return", "وإن لم يكن عاصب فلا رد عليها على القول بعدم الرد: ما بقي بعد الفروض لبيت المال.",
     NotReturned},
};

constexpr PageStatement kGrandfather[] = {
    {"grandfather.inFathersPlace",
     "يقوم مقام الأب عند عدمه: السدس مع الابن أو ابن الابن، والسدس والباقي مع البنت أو بنت الابن، والباقي إذا لم "
     "يكن فرع وارث."},
    {"grandfather.excluded", "يحجبه الأب، ولا يحجب هو الجدة من جهة الأم، وفي غيرها انظر صفحة الجدات."},
    {"grandfather.siblings",
     "ويحجب الإخوة والأخوات من كل جهة وبنيهم والأعمام وبنيهم كما يحجبهم الأب، فلا يقاسم الإخوة، على قول أبي حنيفة؛ "
     "وعند المالكية والشافعية والحنابلة يقاسم الأشقاء والإخوة لأب.",
     GrandfatherExcludesSiblings},
    {"grandfather.siblings",
     "ومع الإخوة والأخوات الأشقاء أو لأب يقاسمهم كأخ، الذكر برأسين والأنثى برأس، وله الأحظ من المقاسمة وثلث المال، "
     "ومع صاحب فرض الأحظ من المقاسمة وثلث الباقي وسدس المال، على قول زيد، وعند أبي حنيفة يحجبهم. ويحجب الإخوة لأم "
     "وبني الإخوة والأعمام وبنيهم كما يحجبهم الأب.",
     GrandfatherSharesWithSiblings},
    {"grandfather.noUmariyyatan", "ولا عمريتين معه: للأم ثلث المال كله ما لم يكن فرع وارث أو اثنان فأكثر من الإخوة."},
};

constexpr PageStatement kGrandmothers[] = {
    {"grandmothers.sixth", "للجدة السدس، فإن تعددت الجدات اشتركن فيه بالسوية."},
    {"grandmothers.excluded", "تحجب الأم الجدات كلهن. ولا يحجب الأب ولا الجد الجدة من جهة الأم."},
    {"grandmothers.paternal",
     "أما الجدة من جهة الأب فيحجبها الأب عند الحنفية والمالكية والشافعية، ويحجب الجد أمه، وورّثها الحنابلة مع "
     "ابنها. وزر «جدة» يعد الجدات الوارثات من الجهتين، ولا يحجب البرنامج واحدة منهن بأب ولا جد: فمع أحدهما لا "
     "تعد إلا من ترث معه في مذهبك، كأم الأم."},
    {"grandmothers.unchanged", "ولا ينقلها الفرع الوارث ولا الإخوة عن السدس."},
    {"grandmothers.return", "وإن لم يكن عاصب رد عليها ما بقي مع غيرها من أصحاب الفروض، دون الزوجين.", Returned},
    {"grandmothers.return", "وإن لم يكن عاصب فلا رد عليها على القول بعدم الرد: ما بقي بعد الفروض لبيت المال.",
     NotReturned},
    {"grandmothers.mushtaraka", "وتقوم مقام الأم في المشركة: زوج وجدة واثنان فأكثر من الإخوة لأم وأخ شقيق."},
    {"grandmothers.ummAlAramil",
     "أم الأرامل: ثلاث زوجات وجدتان وأربع أخوات لأم وثماني أخوات شقيقات، أصلها اثنا عشر وتعول إلى سبعة عشر: "
     "للزوجات ثلاثة، وللجدتين اثنان، وللأخوات لأم أربعة، وللشقيقات ثمانية، لكل واحدة منهن سهم. سميت بذلك لأن "
     "الورثة كلهم نساء."},
    {"grandmothers.false",
     "والجدة التي في نسبتها إلى الميت ذكر بين أنثيين، كأم أبي الأم، ليست بجدة صحيحة ولا فرض لها، بل هي من ذوي الأرحام. "
     "وهي عند الحنفية من الصنف الثاني مع أبي الأم، وهو مقدَّم على الثالث والرابع، فالمال لها مع الخالة؛ وعند أهل التنزيل "
     "تُنزَّل منزلة الأم، فالخالة أولى منها.",
     KindredByKinship},
    {"grandmothers.false",
     "والجدة التي في نسبتها إلى الميت ذكر بين أنثيين، كأم أبي الأم، ليست بجدة صحيحة ولا فرض لها، بل هي من ذوي "
     "الأرحام، تُنزَّل منزلة الأم، ويُقدَّم عليها من هو أسبق منها إلى الأم، فالمال للخالة معها؛ وعند الحنفية هي "
     "من الصنف الثاني، تُقدَّم على الخالة.",
     KindredByPlacing},
    {"grandmothers.false",
     "والجدة التي في نسبتها إلى الميت ذكر بين أنثيين، كأم أبي الأم، ليست بجدة صحيحة ولا فرض لها، بل هي من ذوي "
     "الأرحام، فلا ترث على القول بعدم الرد.",
     NotReturned},
};

constexpr PageStatement kSonsSons[] = {
    {"sonsSons", "يقوم مقام الابن عند عدمه: له الباقي، ويعصب بنات الابن للذكر مثل حظ الأنثيين. يحجبه الابن."},
};

constexpr PageStatement kSpouses[] = {
    {"spouses.husband", "للزوج النصف، والربع مع الفرع الوارث."},
    {"spouses.wives", "للزوجة الربع، والثمن مع الفرع الوارث، تشترك فيه الزوجات إلى أربع."},
    {"spouses.alone",
     "لا يحجبهما أحد حجب حرمان. ولا يرد عليهما، وهو قول المذاهب الأربعة في أصلها: الزوج وحده له النصف، والزوجة "
     "وحدها لها الربع، والباقي لذوي الأرحام إن أُدخلوا (ويأخذ الزوج معهم نصفه والزوجة ربعها كاملًا بلا رد)، إلا "
     "على القول بعدم الرد فلبيت المال، وإلا لم يقسمه البرنامج. وأفتى متأخرون من المذاهب بالرد على أحد الزوجين إذا "
     "لم يكن معه وارث من النسب ولا من ذوي الأرحام، وهو خيار «الرد على أحد الزوجين عند انفراده».",
     SpouseKeepsShare},
    {"spouses.alone",
     "لا يحجبهما أحد حجب حرمان. والزوج وحده أو الزوجة وحدها يأخذ التركة كلها، فرضه والباقي ردًّا، على ما اخترت "
     "من الرد على أحد الزوجين عند انفراده، وهو قول متأخرين من المذاهب وعليه العمل في كثير من المحاكم؛ وعند جمهور "
     "الفقهاء لا يرد عليهما. فإن كان معه أحد من ذوي الأرحام أخذ فرضه كاملًا بلا رد، والباقي لهم.",
     SpouseTakesWhole},
    {"spouses.increase", "وإذا عالت المسألة نقص نصيبهما بالعول."},
    {"spouses.notTogether", "ولا يجتمع زوج وزوجة في مسألة."},
};

constexpr PageStatement kDaughters[] = {
    {"daughters.fixed", "للواحدة النصف، وللثنتين فأكثر الثلثان."},
    {"daughters.withSon", "ومع الابن لهم الباقي، للذكر مثل حظ الأنثيين."},
    {"daughters.return", "لا يحجبها أحد، ويرد عليها ما بقي إن لم يكن عاصب.", Returned},
    {"daughters.return",
     "لا يحجبها أحد، ولا يرد عليها ما بقي على القول بعدم الرد، وهو قديم المالكية والشافعية: يذهب إلى بيت المال.",
     NotReturned},
    {"daughters.kindred",
     "وأولاد البنات وأولاد بنات الابن من ذوي الأرحام، يرثون إذا لم يكن عاصب ولا صاحب فرض غير الزوجين، وهم الصنف الأول "
     "عند الحنفية: يُقدَّم أقربهم درجة، فبنت البنت أولى من بنت بنت الابن، ثم ولد الوارث، فبنت بنت الابن أولى من بنت بنت "
     "البنت، ثم يُقسم للذكر مثل حظ الأنثيين، بالأصول عند أول بطن اختلف على قول محمد، وبأبدان الفروع على قول أبي يوسف. "
     "وعند الحنابلة ومتأخري المالكية والشافعية يرثون بالتنزيل: بنت البنت بمنزلة البنت.",
     KindredByKinship},
    {"daughters.kindred",
     "وأولاد البنات وأولاد بنات الابن من ذوي الأرحام، يرثون إذا لم يكن عاصب ولا صاحب فرض غير الزوجين، بالتنزيل: بنت "
     "البنت تُنزَّل منزلة البنت، وبنت بنت الابن منزلة بنت الابن، فبنت بنت وبنت بنت ابن: المال من أربعة، لبنت البنت ثلاثة "
     "ولبنت بنت الابن واحد، كبنت وبنت ابن. ويُقسم نصيب البنت بين أولادها بالسوية عند الحنابلة، وللذكر مثل حظ الأنثيين "
     "عند المالكية والشافعية. وعند الحنفية يرثون بالقرابة، ويُقدَّم أقربهم درجة.",
     KindredByPlacing},
    {"daughters.kindred",
     "وأولاد البنات وأولاد بنات الابن من ذوي الأرحام، ولا يرثون على القول بعدم الرد ولو لم يكن وارث غيرهم: ما بقي "
     "بعد الفروض لبيت المال. وورّثهم متأخرو المالكية والشافعية والحنابلة بالتنزيل، والحنفية بالقرابة.",
     NotReturned},
};

constexpr PageStatement kConsanguineSisters[] = {
    {"consanguineSisters.fixed",
     "للواحدة النصف، وللثنتين فأكثر الثلثان، إذا لم يكن فرع وارث ولا أب ولا جد ولا أخ ولا أخت شقيقة."},
    {"consanguineSisters.sixth", "ومع الأخت الشقيقة الواحدة لهن السدس تكملة للثلثين، واحدة كن أو أكثر."},
    {"consanguineSisters.twoFullSisters",
     "وتحجبها الشقيقتان، إلا أن يكون معها أخ لأب فلهم الباقي للذكر مثل حظ الأنثيين."},
    {"consanguineSisters.withDaughters", "ومع البنت أو بنت الابن تأخذ الباقي."},
    {"consanguineSisters.excluded",
     "يحجبها الابن وابن الابن والأب والجد والأخ الشقيق، والشقيقة مع البنت أو بنت الابن؛ وحجب الجد لها قول أبي "
     "حنيفة، وعند المالكية والشافعية والحنابلة تقاسمه.",
     GrandfatherExcludesSiblings},
    {"consanguineSisters.excluded",
     "يحجبها الابن وابن الابن والأب والأخ الشقيق، والشقيقة مع البنت أو بنت الابن. ومع الجد تقاسمه على قول زيد، "
     "فإن كان معها أشقاء عدّوها على الجد ثم أخذوا ما كان لها، إلا الشقيقة الواحدة فتأخذ منها تمام النصف وما بقي "
     "لها (المعادة)؛ وعند أبي حنيفة يحجبها الجد.",
     GrandfatherSharesWithSiblings},
    {"consanguineSisters.kindred",
     "وأولادها من ذوي الأرحام، من الصنف الثالث عند الحنفية: على قول محمد يُقسم على الإخوة والأخوات كأنهم الورثة، "
     "فلهم ما كان لها، فلبنت الأخت لأب مع بنت الأخت الشقيقة الربع؛ وعلى قول أبي يوسف يُقدَّم عليهم أولاد الشقيقة "
     "لأنهم أقوى قرابة. وعند أهل التنزيل يُنزَّلون منزلتها.",
     KindredByKinship},
    {"consanguineSisters.kindred",
     "وأولادها من ذوي الأرحام، يُنزَّلون منزلتها فيحجبهم من يحجبها: فلا شيء لبنت الأخت لأب مع بنتي أختين "
     "شقيقتين. وعند الحنفية هم من الصنف الثالث.",
     KindredByPlacing},
    {"consanguineSisters.kindred",
     "وأولادها من ذوي الأرحام، ولا يرثون على القول بعدم الرد: ما بقي بعد الفروض لبيت المال.", NotReturned},
};

constexpr PageStatement kSons[] = {
    {"sons", "له الباقي، ومع البنت للذكر مثل حظ الأنثيين، ولا يحجبه أحد."},
};

constexpr PageStatement kFullBrothersSons[] = {
    {"fullBrothersSons.remainder", "عاصب: له الباقي إذا لم يكن أقرب منه."},
    {"fullBrothersSons.excluded",
     "يحجبه الابن وابن الابن والأب والجد والأخ الشقيق والأخ لأب، والأخت الشقيقة أو لأب مع البنت أو بنت الابن."},
    {"fullBrothersSons.excludes", "ويحجب ابن الأخ لأب والأعمام وبنيهم."},
};

constexpr PageStatement kConsanguineBrothersSons[] = {
    {"consanguineBrothersSons.remainder", "عاصب: له الباقي إذا لم يكن أقرب منه."},
    {"consanguineBrothersSons.excluded", "يحجبه من يحجب ابن الأخ الشقيق، ويحجبه ابن الأخ الشقيق."},
    {"consanguineBrothersSons.excludes", "ويحجب الأعمام وبنيهم."},
};

constexpr PageStatement kFullUnclesSons[] = {
    {"fullUnclesSons.remainder", "عاصب: له الباقي إذا لم يكن أقرب منه."},
    {"fullUnclesSons.excluded", "يحجبه من يحجب العم لأب، ويحجبه العم لأب."},
    {"fullUnclesSons.excludes", "ويحجب ابن العم لأب."},
};

constexpr PageStatement kConsanguineUnclesSons[] = {
    {"consanguineUnclesSons.remainder", "عاصب: له الباقي إذا لم يكن أقرب منه، وهو آخر العصبات في هذا البرنامج."},
    {"consanguineUnclesSons.excluded", "يحجبه كل عاصب قبله، ومنهم ابن العم الشقيق."},
};

constexpr PageStatement kFullUncles[] = {
    {"fullUncles.remainder", "عاصب: له الباقي إذا لم يكن أقرب منه."},
    {"fullUncles.excluded",
     "يحجبه الابن وابن الابن والأب والجد والإخوة لأبوين أو لأب وبنوهم، والأخت الشقيقة أو لأب مع البنت أو بنت الابن."},
    {"fullUncles.excludes", "ويحجب العم لأب وبني الأعمام."},
    {"fullUncles.kindred",
     "والعمة والعم لأم والخال والخالة وبنت العم من ذوي الأرحام، وهم من الصنف الرابع عند الحنفية: إذا اجتمعت الجهتان "
     "فلقرابة الأب الثلثان ولقرابة الأم الثلث، فلخال مع عمة الثلث ولها الثلثان، وفي الجهة الواحدة يُقدَّم الأقوى قرابة، "
     "فعمة لأب وعمة لأم: المال للأولى. وعند أهل التنزيل العمة والعم لأم بمنزلة الأب، والخال والخالة بمنزلة الأم.",
     KindredByKinship},
    {"fullUncles.kindred",
     "والعمة والعم لأم والخال والخالة وبنت العم من ذوي الأرحام: تُنزَّل العمة والعم لأم منزلة الأب، والخال "
     "والخالة منزلة الأم، وبنت العم منزلة العم، فلخال مع عمة الثلث ولها الباقي، كأم وأب. وعند الحنفية هم من الصنف "
     "الرابع.",
     KindredByPlacing},
    {"fullUncles.kindred",
     "والعمة والعم لأم والخال والخالة وبنت العم من ذوي الأرحام، ولا يرثون على القول بعدم الرد: ما بقي بعد الفروض "
     "لبيت المال.",
     NotReturned},
};

constexpr PageStatement kConsanguineUncles[] = {
    {"consanguineUncles.remainder", "عاصب: له الباقي إذا لم يكن أقرب منه."},
    {"consanguineUncles.excluded", "يحجبه من يحجب العم الشقيق، ويحجبه العم الشقيق."},
    {"consanguineUncles.excludes", "ويحجب بني الأعمام."},
    {"consanguineUncles.kindred", "وبنته من ذوي الأرحام كبنت العم الشقيق: انظر صفحة العم الشقيق."},
};

constexpr PageStatement kFullBrothers[] = {
    {"fullBrothers.remainder", "لهم الباقي، ومع الأخوات الشقيقات للذكر مثل حظ الأنثيين."},
    {"fullBrothers.excluded",
     "يحجبهم الابن وابن الابن والأب والجد، وحجب الجد لهم قول أبي حنيفة، وعند المالكية والشافعية والحنابلة يقاسمهم.",
     GrandfatherExcludesSiblings},
    {"fullBrothers.excluded",
     "يحجبهم الابن وابن الابن والأب. ومع الجد يقاسمونه كأخ منهم، وله الأحظ من المقاسمة والثلث، على قول زيد، وعند "
     "أبي حنيفة يحجبهم الجد. وفي شبه المالكية (زوج وأم أو جدة وجد واثنان فأكثر من الإخوة لأم وأخ شقيق) لا شيء لهم "
     "عند المالكية، قياسًا على المالكية، إذ لا يرثون فيها إلا بقرابة الأم والجد يحجب ولد الأم.",
     GrandfatherSharesWithSiblings},
    {"fullBrothers.mushtaraka",
     "وفي المشركة لا يبقى لهم شيء، عند الحنفية والحنابلة؛ وعند المالكية والشافعية يشاركون الإخوة لأم في ثلثهم.",
     ThirdNotShared},
    {"fullBrothers.mushtaraka",
     "وفي المشركة يشاركون الإخوة لأم في ثلثهم، ذكرهم وأنثاهم سواء، عند المالكية والشافعية؛ وعند الحنفية والحنابلة "
     "لا يبقى لهم شيء.",
     ThirdShared},
    {"fullBrothers.kindred",
     "وبناتهم من ذوي الأرحام، من الصنف الثالث عند الحنفية: على قول محمد يُقسم على الإخوة والأخوات كأنهم الورثة، فلبنت "
     "الأخ الشقيق مع ابن الأخت الشقيقة الثلثان؛ وعلى قول أبي يوسف للذكر مثل حظ الأنثيين، فلها الثلث. وعند أهل التنزيل "
     "تُنزَّل بنت الأخ منزلة الأخ.",
     KindredByKinship},
    {"fullBrothers.kindred",
     "وبناتهم من ذوي الأرحام، تُنزَّل بنت الأخ منزلة الأخ: فلبنت الأخ الشقيق مع ابن الأخت الشقيقة الثلثان، كأخ وأخت. وعند "
     "الحنفية هن من الصنف الثالث.",
     KindredByPlacing},
    {"fullBrothers.kindred", "وبناتهم من ذوي الأرحام، ولا يرثن على القول بعدم الرد: ما بقي بعد الفروض لبيت المال.",
     NotReturned},
};

constexpr PageStatement kConsanguineBrothers[] = {
    {"consanguineBrothers.remainder",
     "لهم الباقي، ومع الأخوات لأب للذكر مثل حظ الأنثيين، ولو استكملت الشقيقتان الثلثين."},
    {"consanguineBrothers.excluded",
     "يحجبهم الابن وابن الابن والأب والجد والأخ الشقيق، والأخت الشقيقة مع البنت أو بنت الابن؛ وحجب الجد لهم قول أبي "
     "حنيفة، وعند المالكية والشافعية والحنابلة يقاسمهم.",
     GrandfatherExcludesSiblings},
    {"consanguineBrothers.excluded",
     "يحجبهم الابن وابن الابن والأب والأخ الشقيق، والأخت الشقيقة مع البنت أو بنت الابن. ومع الجد يقاسمونه على قول "
     "زيد، فإن كان معهم أشقاء عدّوهم على الجد ثم أخذوا ما كان لهم (المعادة)؛ وعند أبي حنيفة يحجبهم الجد. وفي "
     "المالكية (زوج وأم أو جدة وجد واثنان فأكثر من الإخوة لأم وإخوة لأب) لا شيء لهم عند مالك، والباقي للجد.",
     GrandfatherSharesWithSiblings},
    {"consanguineBrothers.kindred", "وبناتهم من ذوي الأرحام كبنات الإخوة الأشقاء: انظر صفحة الأخ الشقيق."},
};

constexpr PageStatement kUterineSiblings[] = {
    {"uterineSiblings.fixed", "للواحد السدس، وللاثنين فأكثر الثلث، ذكرهم وأنثاهم فيه سواء."},
    {"uterineSiblings.excluded", "يحجبهم الفرع الوارث ولو بنتاً، والأب والجد."},
    {"uterineSiblings.mushtaraka",
     "وفي المشركة لهم الثلث وحدهم، لا يشاركهم الأشقاء، عند الحنفية والحنابلة؛ وعند المالكية والشافعية يشاركونهم فيه.",
     ThirdNotShared},
    {"uterineSiblings.mushtaraka",
     "وفي المشركة يشاركهم الأشقاء في ثلثهم، ويُقسم بينهم جميعًا بالسوية، عند المالكية والشافعية؛ وعند الحنفية "
     "والحنابلة لهم الثلث وحدهم.",
     ThirdShared},
    {"uterineSiblings.kindred",
     "وأولادهم من ذوي الأرحام، من الصنف الثالث عند الحنفية: على قول محمد يُقسم على أصولهم كأنهم الورثة، فلابن الأخ لأم "
     "مع بنت الأخ الشقيق السدس؛ وعلى قول أبي يوسف يُقدَّم الأقوى قرابة، فالمال لبنت الأخ الشقيق. وعند أهل التنزيل يُنزَّلون "
     "منزلة أصولهم.",
     KindredByKinship},
    {"uterineSiblings.kindred",
     "وأولادهم من ذوي الأرحام، يُنزَّلون منزلة أصولهم، ذكرهم وأنثاهم سواء: فلابن الأخ لأم مع بنت الأخ الشقيق السدس، ولها "
     "الباقي. وعند الحنفية هم من الصنف الثالث.",
     KindredByPlacing},
    {"uterineSiblings.kindred", "وأولادهم من ذوي الأرحام، ولا يرثون على القول بعدم الرد: ما بقي بعد الفروض لبيت المال.",
     NotReturned},
    {"uterineSiblings.mulzima",
     "الملزمة: زوج وأم واثنان من الإخوة لأم، أصلها ستة ولا عول فيها: للزوج ثلاثة، وللأم السدس واحد، وللإخوة لأم "
     "الثلث اثنان. سميت بذلك لأنها ألزمت ابن عباس، وهو لا يحجب الأم إلى السدس بأقل من ثلاثة إخوة ولا يرى العول، "
     "أن يترك أحد قوليه."},
};

constexpr PageText kPageTexts[] = {
    {HelpTopic::Mother, kMother},
    {HelpTopic::Father, kFather},
    {HelpTopic::FullSisters, kFullSisters},
    {HelpTopic::SonsDaughters, kSonsDaughters},
    {HelpTopic::Grandfather, kGrandfather},
    {HelpTopic::Grandmothers, kGrandmothers},
    {HelpTopic::SonsSons, kSonsSons},
    {HelpTopic::Spouses, kSpouses},
    {HelpTopic::Daughters, kDaughters},
    {HelpTopic::ConsanguineSisters, kConsanguineSisters},
    {HelpTopic::Sons, kSons},
    {HelpTopic::FullBrothersSons, kFullBrothersSons},
    {HelpTopic::ConsanguineBrothersSons, kConsanguineBrothersSons},
    {HelpTopic::FullUnclesSons, kFullUnclesSons},
    {HelpTopic::ConsanguineUnclesSons, kConsanguineUnclesSons},
    {HelpTopic::FullUncles, kFullUncles},
    {HelpTopic::ConsanguineUncles, kConsanguineUncles},
    {HelpTopic::FullBrothers, kFullBrothers},
    {HelpTopic::ConsanguineBrothers, kConsanguineBrothers},
    {HelpTopic::UterineSiblings, kUterineSiblings},
};

static_assert(inTopicOrder(kPageTexts));

}  // namespace

bool holdsUnder(Holds holds, const Positions& chosen)
{
    const Positions positions = effectivePositions(chosen);
    switch (holds) {
    case Always: return true;
    case GrandfatherExcludesSiblings: return !grandfatherSharesWithSiblings(positions.school);
    case GrandfatherSharesWithSiblings: return grandfatherSharesWithSiblings(positions.school);
    case ThirdNotShared: return !fullSiblingsShareUterineThird(positions.school);
    case ThirdShared: return fullSiblingsShareUterineThird(positions.school);
    case Returned: return !positions.noReturn;
    case NotReturned: return positions.noReturn;
    case SpouseKeepsShare: return !positions.spouseReturn || positions.noReturn;
    case SpouseTakesWhole: return positions.spouseReturn && !positions.noReturn;
    case KindredByKinship: return positions.school == School::Hanafi;
    case KindredByPlacing: return positions.school != School::Hanafi && !positions.noReturn;
    }
    return false;
}

std::span<const PageText> pageTexts() { return kPageTexts; }

std::vector<PageStatement> statementsOf(HelpTopic topic, const Positions& positions)
{
    std::vector<PageStatement> shown;
    for (const PageStatement& statement : kPageTexts[topicIndex(topic)].statements) {
        if (holdsUnder(statement.holds, positions)) shown.push_back(statement);
    }
    return shown;
}

}  // namespace qismaru::help
