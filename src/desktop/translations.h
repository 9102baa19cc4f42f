#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace desktop {

// The companion programs' words, and Qt's own, in the user's language as LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG choose it, where there is a translation; English otherwise. Made first
// in main, before the application where a program answers its command line without one; a
// translation that is missing or cannot be read is passed over in silence. One at a time.
class Translations {
public:
    // `folder` holds the program's translations: "sorting_de.qm", ...
    explicit Translations(const QLocale& locale = QLocale::system(), const QString& folder = ":/i18n");
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The widgets speak it too, Qt's standard buttons and menus among them: once the
    // application exists.
    void Install();
    // What the program speaks: "de", "fr", "es", or empty for its own English.
    QString Language() const;
    // `text` in the program's language; empty where it has no translation.
    QString Translate(const char* context, const char* text, const char* disambiguation, int n) const;

private:
    QTranslator own_;
    QTranslator qt_;
    bool ownLoaded_ = false;
    bool qtLoaded_ = false;
};

}  // namespace desktop
