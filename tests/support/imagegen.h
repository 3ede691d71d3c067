#pragma once

#include "image/profile.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>

// Generated images and company files for the property tests and the cross-checks with the window.
// Each generator is seeded, so a failing round can be run again by its seed.
class ImageGen
{
public:
    explicit ImageGen(quint32 seed) : m_random(seed) {}

    // 0x82, 'F' and 258 random bytes: any byte in any field.
    QByteArray anyImage();
    // An image whose every editable field says something the configuration file's keys can say:
    // choice bytes that name items, TCP role 0..3, texts that are their characters followed by
    // zero bytes (never empty, no CR or LF). Flags, protocol, MAC, password and reserved bytes random.
    QByteArray readableImage();
    // The five company sections with values that all name items (list values in any letter case),
    // fixed words right or wrong, texts of any length (some equal to what `image` shows), and keys
    // left out. No extension keys: the window's "Default" does not know them.
    image::Profile companyProfile(const QByteArray& image);

    // Text of `min`..`max` characters of the code page: no NUL, CR or LF.
    QString text(int min, int max);
    int below(int bound) { return int(m_random.bounded(quint32(bound))); }

private:
    QRandomGenerator m_random;
};

// The profile as ConfDefault.ini lines, section after section.
QStringList iniLines(const image::Profile& profile);
