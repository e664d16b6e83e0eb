// SPDX-License-Identifier: Apache-2.0
#include "table/DataTable.h"

#include <algorithm>

namespace quven {

namespace {

// Indexes come from the screen, the table file and controller replies; an index outside the
// array is ignored rather than trusted.
template <typename Array>
bool inRange(const Array& array, int index) {
    return index >= 0 && index < static_cast<int>(array.size());
}

constexpr int kFirstCommonButton = tableindex::EmStop;
constexpr int kFirstCommonFrame = 2 * tableindex::kNormalRows;

}  // namespace

DataTable::DataTable(QObject* parent) : QObject(parent) {}

QString DataTable::Text1(int index) const {
    return inRange(text1_, index) ? text1_[index] : QString();
}

void DataTable::setText1(int index, const QString& text) {
    if (!inRange(text1_, index) || text1_[index] == text) {
        return;
    }
    text1_[index] = text;
    Q_EMIT text1Changed(index);
}

QString DataTable::Text2(int index) const {
    return inRange(text2_, index) ? text2_[index] : QString();
}

void DataTable::setText2(int index, const QString& text) {
    if (!inRange(text2_, index) || text2_[index] == text) {
        return;
    }
    text2_[index] = text;
    Q_EMIT text2Changed(index);
}

bool DataTable::Check2(int index) const {
    return inRange(check2_, index) && check2_[index];
}

void DataTable::setCheck2(int index, bool checked) {
    if (!inRange(check2_, index) || check2_[index] == checked) {
        return;
    }
    check2_[index] = checked;
    Q_EMIT check2Changed(index);
}

bool DataTable::Option2(int index) const {
    return inRange(option2_, index) && option2_[index];
}

void DataTable::selectOption2(int index) {
    const int frame = frameOf(index);
    if (frame < 0) {
        return;
    }
    // The whole frame changes before anyone hears of it, so a listener never sees two
    // selected buttons in one frame.
    std::array<bool, kOption2Count> changed{};
    for (int i = 0; i < kOption2Count; ++i) {
        const bool selected = (i == index);
        if (frameOf(i) == frame && option2_[i] != selected) {
            option2_[i] = selected;
            changed[i] = true;
        }
    }
    for (int i = 0; i < kOption2Count; ++i) {
        if (changed[i]) {
            Q_EMIT option2Changed(i);
        }
    }
}

void DataTable::deselectOption2(int index) {
    if (!inRange(option2_, index) || !option2_[index]) {
        return;
    }
    option2_[index] = false;
    Q_EMIT option2Changed(index);
}

int DataTable::frameOf(int option2Index) {
    if (option2Index < 0 || option2Index >= kOption2Count) {
        return -1;
    }
    if (option2Index < kFirstCommonButton) {
        // Normal and function DRIVE groups follow each other, three buttons each.
        return option2Index / 3;
    }
    return kFirstCommonFrame + (option2Index - kFirstCommonButton) / 2;
}

int DataTable::selectedInFrame(int frame) const {
    for (int i = 0; i < kOption2Count; ++i) {
        if (option2_[i] && frameOf(i) == frame) {
            return i;
        }
    }
    return -1;
}

// Through the setters, so bound widgets follow and only the controls that change are told.
void DataTable::clear() {
    for (int i = 0; i < kText1Count; ++i) {
        setText1(i, QString());
    }
    for (int i = 0; i < kText2Count; ++i) {
        setText2(i, QString());
    }
    for (int i = 0; i < kCheck2Count; ++i) {
        setCheck2(i, false);
    }
    for (int i = 0; i < kOption2Count; ++i) {
        deselectOption2(i);
    }
}

bool DataTable::isCleared() const {
    const auto empty = [](const QString& text) { return text.isEmpty(); };
    const auto off = [](bool state) { return !state; };
    return std::all_of(text1_.begin(), text1_.end(), empty) &&
           std::all_of(text2_.begin(), text2_.end(), empty) &&
           std::all_of(check2_.begin(), check2_.end(), off) &&
           std::all_of(option2_.begin(), option2_.end(), off);
}

}  // namespace quven
