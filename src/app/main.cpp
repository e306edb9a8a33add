// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/CareerStatistics.h"
#include "core/store/MatchStore.h"
#include "ui/common/Fonts.h"
#include "ui/common/Translations.h"
#include "ui/shell/mdiMain.h"

#include <QApplication>
#include <QTextStream>
#include <cstring>

namespace {

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Stumpwell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STUMPWELL_VERSION));
}

// Maintenance without a window: derives the history and statistics again from the logs.
int rebuildStatistics(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    nameApplication();
    installTranslations(app, translationFolders());
    QTextStream out(stdout);
    QTextStream err(stderr);
    MatchStore store(MatchStore::defaultPath());
    const int read = store.open() ? CareerStatistics(store).rebuild() : -1;
    if (read < 0) {
        err << store.problem() << Qt::endl;
        return 1;
    }
    out << QCoreApplication::translate("main", "Statistics rebuilt from the logs of %1 matches "
                                               "in %2.")
               .arg(read)
               .arg(store.path())
        << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rebuild-statistics") == 0)
            return rebuildStatistics(argc, argv);
    }
    QApplication app(argc, argv);
    nameApplication();
    installTranslations(app, translationFolders());
    installFontSubstitutions();

    return mdiMain::run();
}
