#include "toolkit/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace toolkit {

namespace {

// Where qt_add_translations puts the program's .qm files in the resources.
const QString kProgramTranslations = QStringLiteral(":/i18n");

struct Installed {
    std::unique_ptr<QTranslator> qt;
    std::unique_ptr<QTranslator> program;
};

Installed& Current()
{
    static Installed installed;
    return installed;
}

// A translator for the file, installed; nullptr when there is no such file.
std::unique_ptr<QTranslator> Install(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace

Language PreferredLanguage(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        switch (QLocale(name).language()) {
        case QLocale::Italian:
            return Language::Italian;
        case QLocale::English:
            return Language::English;
        default:
            break;
        }
    }
    return Language::Italian;
}

bool InstallTranslations(Language language)
{
    RemoveTranslations();
    const bool english = language == Language::English;
    // Qt's own first: a translator installed later is asked first.
    Current().qt = Install(english ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_it"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!english)
        return true;
    Current().program = Install(QStringLiteral("orvane_en"), kProgramTranslations);
    if (Current().program)
        return true;
    // Half a language is worse than none: everything stays Italian.
    InstallTranslations(Language::Italian);
    return false;
}

Language InterfaceLanguage()
{
    return Current().program ? Language::English : Language::Italian;
}

nav::Language NavLanguage()
{
    return InterfaceLanguage() == Language::English ? nav::Language::English : nav::Language::Italian;
}

void RemoveTranslations()
{
    for (auto* slot : {&Current().program, &Current().qt}) {
        if (*slot)
            QCoreApplication::removeTranslator(slot->get());
        slot->reset();
    }
}

void InstallUserTranslations(const QLocale& locale)
{
    InstallTranslations(PreferredLanguage(locale.uiLanguages()));
}

}  // namespace toolkit
