#include "orvanta/store/surah_info.h"

#include "common/rounding.h"
#include "orvanta/store/surah_table.h"

namespace {

SurahInfoTexts& shared() {
    static SurahInfoTexts texts;
    return texts;
}

QString countText(const char16_t* label, int count) {
    return QString::fromUtf16(label) + QStringLiteral("\r\n") + QString::number(count);
}

} // namespace

void SurahInfoTexts::load(int surahNo) {
    const SurahRow* row = surahRow(surahNo);
    if (!row)
        return;
    SurahName = QString::fromUtf16(row->name);
    VerseCountText = countText(u"عدد آياتها ", row->verseCount);
    RevelationOrderText = countText(u"ترتيب التنزيل  ", row->revelationOrder);
    WordCountText = countText(u"عدد كلماتها  ", row->wordCount);
    LetterCountText = countText(u"عدد حروفها  ", row->letterCount);
    RevelationPlace = row->medinan ? QStringLiteral("مدنية") : QStringLiteral("مكية");
}

const SurahInfoTexts& SurahInfo() {
    return shared();
}

void LoadSurahInfo(qint16 surahNo) {
    shared().load(surahNo);
}

void LoadSurahInfo(const VerseRecord& record) {
    if (const std::optional<qint16> surahNo = toInt16(record.SurahNo))
        LoadSurahInfo(*surahNo);
}
