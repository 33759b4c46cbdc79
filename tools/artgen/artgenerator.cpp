#include "artgenerator.h"

#include "chromepainter.h"
#include "controlpainter.h"
#include "facepainter.h"
#include "failsafepainter.h"
#include "feedbackiconpainter.h"
#include "gifwriter.h"
#include "iconpainter.h"
#include "icowriter.h"
#include "settingspainter.h"
#include "spinnerpainter.h"
#include "splashpainter.h"
#include "sysbuttonpainter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace {

using Look = ControlPainter::Look;

QString lookSuffix(Look look)
{
    switch (look) {
    case Look::Normal:
        return QString();
    case Look::Hovered:
        return QStringLiteral("_hover");
    case Look::Pressed:
        return QStringLiteral("_pressed");
    case Look::Disabled:
        return QStringLiteral("_disabled");
    }
    return QString();
}

QByteArray encodePng(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(9);
    if (!writer.write(image))
        return {};
    return bytes;
}

// Writes bytes to path unless the file already holds exactly these bytes.
bool writeIfChanged(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();

    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// The size check every painted image passes before it is written.
bool hasSize(const QImage &image, const QSize &size, const QString &path, QString *error)
{
    if (image.size() == size)
        return true;
    *error = QStringLiteral("%1 came out %2 x %3, not %4 x %5")
                 .arg(path)
                 .arg(image.width())
                 .arg(image.height())
                 .arg(size.width())
                 .arg(size.height());
    return false;
}

} // namespace

ArtGenerator::ArtGenerator(Catalogue catalogue, const QString &version)
{
    switch (catalogue) {
    case Catalogue::Skydesk:
        addSkydeskPictures(version);
        break;
    case Catalogue::Saybox:
        addSayboxPictures();
        break;
    }
}

void ArtGenerator::addSkydeskPictures(const QString &version)
{
    using Glyph = SysButtonPainter::Glyph;
    const int narrowSprite = 4 * SysButtonPainter::narrowFrameWidth;
    const int wideSprite = 4 * SysButtonPainter::wideFrameWidth;
    const int spriteHeight = SysButtonPainter::frameHeight;

    m_pictures = {
        {QStringLiteral("images/splash.png"), QSize(517, 316),
         [version] { return SplashPainter::paint(version); }},
        {QStringLiteral("images/frame.png"), QSize(850, 600), &ChromePainter::windowFrame},
        {QStringLiteral("images/bg.png"), QSize(850, 438), &ChromePainter::pageBackground},
        {QStringLiteral("images/bi.png"), QSize(74, 66), &ChromePainter::selectionGlow},
        {QStringLiteral("images/sysButton/title_bar_menu.png"), QSize(narrowSprite, spriteHeight),
         [] { return SysButtonPainter::sprite(Glyph::Language); }},
        {QStringLiteral("images/sysButton/title_bar_feedback.png"),
         QSize(narrowSprite, spriteHeight),
         [] { return SysButtonPainter::sprite(Glyph::Feedback); }},
        {QStringLiteral("images/sysButton/sys_button_min.png"), QSize(narrowSprite, spriteHeight),
         [] { return SysButtonPainter::sprite(Glyph::Minimise); }},
        {QStringLiteral("images/sysButton/sys_button_close.png"), QSize(wideSprite, spriteHeight),
         [] { return SysButtonPainter::sprite(Glyph::Close); }},
        {QStringLiteral("images/tool_advanced.png"), QSize(48, 48), &IconPainter::settingsIcon},
        {QStringLiteral("images/tool_tools.png"), QSize(48, 48), &IconPainter::toolsIcon},
        {QStringLiteral("images/tool_info.png"), QSize(48, 48), &IconPainter::infoIcon},
        {QStringLiteral("images/tool_internal.png"), QSize(48, 48), &IconPainter::parametersIcon},
        {QStringLiteral("images/arrow_down.png"), QSize(12, 8),
         [] { return ControlPainter::comboArrow(true); }},
        {QStringLiteral("images/arrow_down_disabled.png"), QSize(12, 8),
         [] { return ControlPainter::comboArrow(false); }},
    };

    using Direction = ControlPainter::Direction;
    for (bool enabled : {true, false}) {
        const QString suffix = enabled ? QString() : QStringLiteral("_disabled");
        m_pictures.append(
            {QStringLiteral("images/spinbox/up%1.png").arg(suffix), QSize(9, 6),
             [enabled] { return ControlPainter::spinArrow(Direction::Up, enabled); }});
        m_pictures.append(
            {QStringLiteral("images/spinbox/down%1.png").arg(suffix), QSize(9, 6),
             [enabled] { return ControlPainter::spinArrow(Direction::Down, enabled); }});
    }

    const QSize indicator(ControlPainter::indicatorSize, ControlPainter::indicatorSize);
    for (bool checked : {false, true}) {
        const QString state = checked ? QStringLiteral("checked") : QStringLiteral("unchecked");
        for (Look look : {Look::Normal, Look::Hovered, Look::Pressed, Look::Disabled}) {
            const QString name = state + lookSuffix(look);
            m_pictures.append(
                {QStringLiteral("images/checkbox/%1.png").arg(name), indicator,
                 [checked, look] { return ControlPainter::checkBox(checked, look); }});
            m_pictures.append(
                {QStringLiteral("images/radiobutton/%1.png").arg(name), indicator,
                 [checked, look] { return ControlPainter::radioButton(checked, look); }});
        }
    }

    const QSize handle(ControlPainter::handleSize, ControlPainter::handleSize);
    for (Look look : {Look::Normal, Look::Hovered, Look::Pressed, Look::Disabled}) {
        m_pictures.append({QStringLiteral("images/slider/handle%1.png").arg(lookSuffix(look)),
                           handle, [look] { return ControlPainter::sliderHandle(look); }});
    }

    // The advanced settings page.
    const QSize levelButton(SettingsPainter::levelButtonWidth, SettingsPainter::levelButtonHeight);
    m_pictures.append({QStringLiteral("images/motor_idel_speed.png"), QSize(360, 120),
                       &SettingsPainter::motorIdleSpeed});
    m_pictures.append({QStringLiteral("images/motor_idel_speed_button_bg.png"), QSize(360, 50),
                       &SettingsPainter::levelTrack});
    m_pictures.append({QStringLiteral("images/motor_idel_speed_btn.png"), levelButton,
                       [] { return SettingsPainter::levelButton(false); }});
    m_pictures.append({QStringLiteral("images/motor_idel_speed_btn_red.png"), levelButton,
                       [] { return SettingsPainter::levelButton(true); }});
    m_pictures.append({QStringLiteral("images/current_voltage.png"), QSize(200, 120),
                       &SettingsPainter::currentVoltage});
    for (int position = 1; position <= 3; ++position) {
        m_pictures.append({QStringLiteral("images/stick_at_%1.png").arg(position), QSize(110, 110),
                           [position] { return SettingsPainter::switchPosition(position); }});
    }
    using Language = FailsafePainter::Language;
    for (Language language : {Language::English, Language::Chinese, Language::German}) {
        const QString suffix = FailsafePainter::suffix(language);
        m_pictures.append({QStringLiteral("images/GoHomeHover_%1.png").arg(suffix), QSize(360, 200),
                           [language] { return FailsafePainter::hover(language); }});
        m_pictures.append({QStringLiteral("images/GoHomeAlt_%1.png").arg(suffix), QSize(360, 200),
                           [language] { return FailsafePainter::altitudeGoHome(language); }});
        m_checks.append([language](QString *error) {
            return FailsafePainter::checkLettering(language, error);
        });
    }

    m_icons = {
        {QStringLiteral("images/refresh.ico"), {16, 24, 32}, &IconPainter::refreshIcon},
    };
}

void ArtGenerator::addSayboxPictures()
{
    const QSize buttonIcon(FeedbackIconPainter::buttonIconSize,
                           FeedbackIconPainter::buttonIconSize);
    const QSize removeButton(FeedbackIconPainter::removeButtonSize,
                             FeedbackIconPainter::removeButtonSize);
    const QSize face(FacePainter::size, FacePainter::size);
    m_pictures = {
        {QStringLiteral("images/images/saybox.png"),
         QSize(FeedbackIconPainter::windowIconSize, FeedbackIconPainter::windowIconSize),
         &FeedbackIconPainter::windowIcon},
        {QStringLiteral("images/images/tubiao1.png"), buttonIcon, &FeedbackIconPainter::addFiles},
        {QStringLiteral("images/images/tubiao2.png"), buttonIcon,
         &FeedbackIconPainter::addPictures},
        {QStringLiteral("images/images/tubiao3.png"), buttonIcon, &FeedbackIconPainter::submit},
        {QStringLiteral("images/images/delete_gray.png"), removeButton,
         [] { return FeedbackIconPainter::removeButton(false); }},
        {QStringLiteral("images/images/delete_red.png"), removeButton,
         [] { return FeedbackIconPainter::removeButton(true); }},
        {QStringLiteral("images/images/smile.png"), face, &FacePainter::happy},
        {QStringLiteral("images/images/cry.png"), face, &FacePainter::sad},
    };
    m_animations = {
        {QStringLiteral("images/images/loading.gif"),
         QSize(SpinnerPainter::size, SpinnerPainter::size), SpinnerPainter::frameCount,
         SpinnerPainter::frameDelayMs, SpinnerPainter::matte(), &SpinnerPainter::frame},
    };
}

QStringList ArtGenerator::fileNames() const
{
    QStringList names;
    for (const Picture &picture : m_pictures)
        names << picture.path;
    for (const Icon &icon : m_icons)
        names << icon.path;
    for (const Animation &animation : m_animations)
        names << animation.path;
    return names;
}

bool ArtGenerator::writeAll(const QString &outputDir, QString *error) const
{
    for (const auto &check : m_checks) {
        if (!check(error))
            return false;
    }
    return writePictures(outputDir, error) && writeIcons(outputDir, error) &&
           writeAnimations(outputDir, error);
}

bool ArtGenerator::writePictures(const QString &outputDir, QString *error) const
{
    const QDir dir(outputDir);
    for (const Picture &picture : m_pictures) {
        const QImage image = picture.paint();
        if (!hasSize(image, picture.size, picture.path, error))
            return false;
        const QByteArray bytes = encodePng(image);
        if (bytes.isEmpty()) {
            *error = QStringLiteral("cannot encode %1 as PNG").arg(picture.path);
            return false;
        }
        if (!writeIfChanged(dir.filePath(picture.path), bytes, error))
            return false;
    }
    return true;
}

bool ArtGenerator::writeIcons(const QString &outputDir, QString *error) const
{
    const QDir dir(outputDir);
    for (const Icon &icon : m_icons) {
        QVector<QImage> images;
        for (int size : icon.sizes)
            images.append(icon.paint(size));
        const QByteArray bytes = IcoWriter::encode(images);
        if (bytes.isEmpty()) {
            *error = QStringLiteral("cannot encode %1 as an icon").arg(icon.path);
            return false;
        }
        if (!writeIfChanged(dir.filePath(icon.path), bytes, error))
            return false;
    }
    return true;
}

bool ArtGenerator::writeAnimations(const QString &outputDir, QString *error) const
{
    const QDir dir(outputDir);
    for (const Animation &animation : m_animations) {
        QVector<QImage> frames;
        for (int i = 0; i < animation.frameCount; ++i) {
            frames.append(animation.paintFrame(i));
            if (!hasSize(frames.last(), animation.size, animation.path, error))
                return false;
        }
        const QByteArray bytes = GifWriter::encode(frames, animation.frameDelayMs, animation.matte);
        if (bytes.isEmpty()) {
            *error = QStringLiteral("cannot encode %1 as GIF").arg(animation.path);
            return false;
        }
        if (!writeIfChanged(dir.filePath(animation.path), bytes, error))
            return false;
    }
    return true;
}
