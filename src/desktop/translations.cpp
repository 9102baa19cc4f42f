#include "desktop/translations.h"

#include "platform/words.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace desktop {
namespace {

const Translations* speaking = nullptr;

std::string Speak(const char* context, const char* text, const char* disambiguation, int n)
{
    return speaking ? speaking->Translate(context, text, disambiguation, n).toStdString() : std::string();
}

}  // namespace

Translations::Translations(const QLocale& locale, const QString& folder)
{
    ownLoaded_ = own_.load(locale, "sorting", "_", folder);
    // Qt's own words only beside the program's: a window half in one language and half in
    // another helps nobody.
    if (ownLoaded_) qtLoaded_ = qt_.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    speaking = this;
    platform::SetTranslator(Speak);
}

Translations::~Translations()
{
    platform::SetTranslator(nullptr);
    speaking = nullptr;
}

void Translations::Install()
{
    if (qtLoaded_) QCoreApplication::installTranslator(&qt_);
    if (ownLoaded_) QCoreApplication::installTranslator(&own_);
}

QString Translations::Language() const { return ownLoaded_ ? own_.language().section('_', 0, 0) : QString(); }

QString Translations::Translate(const char* context, const char* text, const char* disambiguation, int n) const
{
    return ownLoaded_ ? own_.translate(context, text, disambiguation, n) : QString();
}

}  // namespace desktop
