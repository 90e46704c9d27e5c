#pragma once

#include "support/FileFixture.h"

#include <QRect>
#include <QWidget>

#include <initializer_list>

// Where a control of a layout stands, in its parent; a place without a size
// (a label sized by its caption) gives the top-left corner only.
struct Place {
    const char* control;
    QRect rect;
};

inline void ExpectPlaces(const QWidget* root, std::initializer_list<Place> places) {
    for (const Place& place : places) {
        const QWidget* control = FindControl<QWidget>(root, place.control);
        if (control == nullptr) {
            continue;
        }
        if (place.rect.isEmpty()) {
            EXPECT_EQ(control->pos(), place.rect.topLeft()) << place.control;
        } else {
            EXPECT_EQ(control->geometry(), place.rect) << place.control;
        }
    }
}
