#include "platform/qt/QtBridge.h"

#include <QPalette>
#include <QWidget>

QColor QtColor(TColor color) {
  if (color == clNone || color == clDefault) return {};
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQtColor(const QColor& color) {
  if (!color.isValid()) return clNone;
  return RGB(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
             static_cast<std::uint8_t>(color.blue()));
}

void ApplyEditLook(QWidget& field, const TFont& font, TColor color) {
  field.setFont(QtFont(font));
  QPalette palette = field.palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Base, QtColor(color));
    palette.setColor(group, QPalette::Window, QtColor(color));
    palette.setColor(group, QPalette::Text, QtColor(font.Color()));
    palette.setColor(group, QPalette::Highlight, QtColor(clHighlight));
    palette.setColor(group, QPalette::HighlightedText, QtColor(clHighlightText));
  }
  palette.setColor(QPalette::Disabled, QPalette::Base, QtColor(clBtnFace));
  palette.setColor(QPalette::Disabled, QPalette::Window, QtColor(clBtnFace));
  palette.setColor(QPalette::Disabled, QPalette::Text, QtColor(clGrayText));
  field.setPalette(palette);
}

// The classic cursor numbers as Qt shapes; crDefault lets the widget inherit its parent's.
bool QtCursorShape(TCursor cursor, Qt::CursorShape& shape) {
  switch (cursor) {
    case crNone:
      shape = Qt::BlankCursor;
      return true;
    case crArrow:
      shape = Qt::ArrowCursor;
      return true;
    case crCross:
      shape = Qt::CrossCursor;
      return true;
    case crIBeam:
      shape = Qt::IBeamCursor;
      return true;
    case crSizeNESW:
      shape = Qt::SizeBDiagCursor;
      return true;
    case crSizeNS:
      shape = Qt::SizeVerCursor;
      return true;
    case crSizeNWSE:
      shape = Qt::SizeFDiagCursor;
      return true;
    case crSizeWE:
      shape = Qt::SizeHorCursor;
      return true;
    case crUpArrow:
      shape = Qt::UpArrowCursor;
      return true;
    case crHourGlass:
    case crSQLWait:
      shape = Qt::WaitCursor;
      return true;
    case crDrag:
      shape = Qt::DragMoveCursor;
      return true;
    case crNoDrop:
    case crNo:
      shape = Qt::ForbiddenCursor;
      return true;
    case crHSplit:
      shape = Qt::SplitHCursor;
      return true;
    case crVSplit:
      shape = Qt::SplitVCursor;
      return true;
    case crMultiDrag:
      shape = Qt::DragCopyCursor;
      return true;
    case crAppStart:
      shape = Qt::BusyCursor;
      return true;
    case crHelp:
      shape = Qt::WhatsThisCursor;
      return true;
    case crHandPoint:
      shape = Qt::PointingHandCursor;
      return true;
    case crSizeAll:
      shape = Qt::SizeAllCursor;
      return true;
    default:
      return false;
  }
}
