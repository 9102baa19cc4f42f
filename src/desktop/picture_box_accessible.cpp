#include "desktop/picture_box_accessible.h"

#include "desktop/picture_box.h"

#include <QAccessibleWidget>

namespace desktop {
namespace {

class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* box = static_cast<const PictureBox*>(widget());
        QStringList lines = box->PrintedLines();
        while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
        return lines.isEmpty() ? box->accessibleName() : lines.join('\n');
    }
};

QAccessibleInterface* CreateForPictureBox(const QString&, QObject* object)
{
    auto* box = qobject_cast<PictureBox*>(object);
    return box ? new PictureBoxAccessible(box) : nullptr;
}

}  // namespace

void InstallPictureBoxAccessibility() { QAccessible::installFactory(CreateForPictureBox); }

}  // namespace desktop
