#pragma once

#include <QString>

namespace veltra {

// Where the programs find the files they ship with (the tips, the library's texts, the
// guide, the sample, the splash picture and tune): their own folder when it holds them, as
// in the build tree, otherwise share/veltra beside their bin folder, where an installation
// puts them. Nothing is ever written there.
class DataFolder
{
public:
    // The data folder of the programs in programFolder; programFolder itself when neither
    // place holds the guide, so that what cannot be read is named where the build puts it.
    static QString of(const QString &programFolder);
    // The data folder of the running program.
    static QString ofThisProgram();
};

} // namespace veltra
