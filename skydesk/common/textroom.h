#ifndef SKYDESK_TEXTROOM_H
#define SKYDESK_TEXTROOM_H

class QWidget;

// Room for the texts of a form laid out at fixed places, whatever the font size and language:
// a label, button, check box or radio button whose text is wider than the widget grows into
// free space beside it (keeping its alignment, never over a neighbour or out of its parent); a
// label that cannot grow wraps where its height allows; what still does not fit is elided at
// the end with the whole text as tool tip. Group box titles that do not fit are elided the
// same way. Widgets placed by a layout are the layout's business and are left alone.
class TextRoom
{
public:
    // Looks at every widget under form once; cheap when everything fits. Run it when the form is
    // shown, so that the fonts of the style sheets are known.
    static void makeRoom(QWidget *form);
    // makeRoom each time the form is shown.
    static void makeRoomWhenShown(QWidget *form);
    // Whether the widget shows its text elided now; the whole text is then its tool tip.
    static bool isElided(const QWidget *widget);
};

#endif // SKYDESK_TEXTROOM_H
