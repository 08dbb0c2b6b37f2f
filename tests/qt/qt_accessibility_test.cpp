// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a screen reader sees it, through the interfaces Qt's bridge
// to the desktop's accessibility reads: names, groups and captions.
#include <QAccessible>
#include <QRadioButton>
#include <vector>

#include "tests/support/qt_window_fixture.h"

namespace tessaly {
namespace {

using C = Control;

QAccessibleInterface* Accessible(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget);
}

std::string Name(QWidget* widget) {
  return Accessible(widget)->text(QAccessible::Name).toStdString();
}

// That every field and button has a name of its own, the test
// accessibility.at-spi reads from the program; here, what the names say.
TEST_F(QtWindowTest, NamesSayTheSideAndTheRole) {
  const struct {
    Control Id;
    QAccessible::Role Role;
    const char* Name;
  } cases[] = {
      {C::Edit1, QAccessible::EditableText, "Home latitude degrees"},
      {C::Edit12, QAccessible::EditableText, "Destination longitude minutes"},
      {C::Edit14, QAccessible::EditableText, "Destination grid locator"},
      {C::Edit15, QAccessible::EditableText, "Headings, forward and reverse"},
      {C::Edit16, QAccessible::EditableText, "Distance in miles"},
      {C::Button1, QAccessible::Button, "Home: Calc. Grid"},
      {C::Button4, QAccessible::Button, "Destination: Calc. Lat/Lon"},
      {C::Panel1, QAccessible::Grouping, "Home location"},
      {C::Panel3, QAccessible::Grouping, "Heading and distance"},
      {C::RadioGroup1, QAccessible::Grouping, "Home latitude hemisphere"},
      {C::RadioGroup2, QAccessible::Grouping, "Home longitude hemisphere"},
      {C::RadioGroup3, QAccessible::Grouping, "Destination latitude hemisphere"},
      {C::RadioGroup4, QAccessible::Grouping, "Destination longitude hemisphere"},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(Accessible(W(each.Id))->role(), each.Role) << ControlName(each.Id);
    EXPECT_EQ(Name(W(each.Id)), each.Name);
  }
  const QList<QRadioButton*> items = W(C::RadioGroup2)->findChildren<QRadioButton*>();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(Name(items[0]), "West");
  EXPECT_EQ(Name(items[1]), "East");
  // The visible captions stay.
  EXPECT_EQ(items[0]->text(), "W");
  EXPECT_EQ(Text(C::Button4), "Calc. Lat/Lon");
}

// Where a caption and its field share a parent, a screen reader finds the
// caption as the field's label.
TEST_F(QtWindowTest, CaptionsLabelTheirFields) {
  const struct {
    Control Field;
    std::vector<std::string> Labels;
  } cases[] = {
      {C::Edit1, {"Home Latitude", "Degs"}},
      {C::Edit6, {"Sec"}},
      {C::Edit7, {"Home Grid "}},
      {C::Edit11, {"Destination Longitude", "Degs"}},
      {C::Edit15, {"Heading (forward : reverse)"}},
      {C::Edit16, {"Distance (miles)"}},
  };
  for (const auto& each : cases) {
    std::vector<std::string> labels;
    for (const auto& [label, relation] : Accessible(W(each.Field))->relations(QAccessible::Label)) {
      labels.push_back(label->text(QAccessible::Name).toStdString());
    }
    EXPECT_EQ(labels, each.Labels) << ControlName(each.Field);
  }
}

}  // namespace
}  // namespace tessaly
