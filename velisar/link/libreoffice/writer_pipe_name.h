#pragma once

#include <QString>

// The name of the pipe on which the user's Writer listens for Velisar:
// "velisar_" and the login name, with any character other than an ASCII
// letter, digit or underscore turned into an underscore, so the name can
// stand in a connection URL. scripts/writer-listen.sh writes the same name
// into the user's office configuration.
QString writerPipeName();

// The same rule applied to a given login name.
QString writerPipeNameFor(const QString& userName);
