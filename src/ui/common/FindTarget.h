#pragma once

#include "records/ListFind.h"
#include "records/TextEncoding.h"

#include <vector>

class QWidget;

// The list of a page that find searches: the list control (a QListWidget or
// a QComboBox, whose rows are the entries) and what find sees of its entries.
struct FindTarget {
    QWidget* list = nullptr;
    std::vector<FindEntry> entries;
    TextEncoding encoding = TextEncoding::Latin1;
};
