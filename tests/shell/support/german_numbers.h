// Puts the process under German number conventions (comma as decimal
// separator) in Qt's default locale and in the C library's LC_NUMERIC, and
// restores both afterwards. Where the C library has no German locale
// installed, one is compiled into a temporary folder.
#pragma once

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <cstdlib>

class GermanNumbers {
public:
    GermanNumbers()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        cLocaleActive_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr || CompileAndUse();
    }
    ~GermanNumbers()
    {
        std::setlocale(LC_NUMERIC, "C");
        QLocale::setDefault(QLocale::c());
    }
    GermanNumbers(const GermanNumbers&) = delete;
    GermanNumbers& operator=(const GermanNumbers&) = delete;

    // Whether the C library writes a comma now (so the check is real).
    bool cLocaleActive() const
    {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 2.5);
        return cLocaleActive_ && text[1] == ',';
    }

private:
    bool CompileAndUse()
    {
        if (!folder_.isValid())
            return false;
        const QString target = folder_.path() + QStringLiteral("/de_DE.UTF-8");
        if (QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                               QStringLiteral("UTF-8"), target}) < 0)
            return false;
        ::setenv("LOCPATH", folder_.path().toLocal8Bit().constData(), 1);
        return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    }

    QTemporaryDir folder_;
    bool cLocaleActive_ = false;
};
