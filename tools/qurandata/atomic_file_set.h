#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

struct NamedContent {
    QString name;
    QByteArray content;
};

// Writes files into a folder so that either all of them are replaced or none
// is: every new content goes to a temporary file first, and only when all of
// them were written are they renamed over the old files. A file whose
// content is already the same is not touched, so a re-run changes nothing.
// Returns the names of the files it replaced; on failure nothing is
// replaced and error says why.
bool writeFileSet(const QString& folder, const QList<NamedContent>& files, QStringList* replaced,
                  QString* error);
