#pragma once

#include <QString>
#include <QStringList>

// The texts the search shows, each built in one place.

// The progress shown over the text box: the first four characters of the
// percentage scanned (scanPosition counted from 1 in a text of textLength
// characters), then "%   البحث عن : " and the query.
QString progressText(qsizetype scanPosition, qsizetype textLength, const QString& query);

// What the text box shows once the search is over: "100%   " and the query.
QString finishedText(const QString& query);

// "(255) سورة البقرة": the verse number in brackets, Sora_Names entry 0 and
// the surah's name. A surah number outside the table gets no name.
QString resultRef(int verse, int surah, const QStringList& soraNames);

// A result row: the verse between braces, then its reference.
QString resultEntry(QStringView verseText, const QString& ref);

// The label of result row number n (counted from 1): "3- (255) سورة البقرة".
QString resultLabel(qsizetype n, const QString& ref);

// "عدد النتائج : 12".
QString resultCountText(qsizetype count);
