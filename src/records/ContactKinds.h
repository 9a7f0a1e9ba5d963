#pragma once

#include "pages/ListColumns.h"
#include "pages/Pages.h"
#include "pages/Selection.h"

#include <vector>

namespace hb {

// One box of a contact page's detail panel, bound to a column of `Contact`.
struct ContactField
{
    enum class Box {
        Text,
        Number,   // a whole number
        Memo,     // several lines
        Date,     // a date box showing "No Entry" for no date
        MeetDate, // the boats' meet date: 1 January 1980 stands for no date
    };
    const char* column;
    const char* caption;
    Box box = Box::Text;
    int maxLength = 0; // 0: what the column holds
    const char* hint = nullptr;
};

// Everything that tells one kind of contact from another. A new kind or a changed caption is
// an edit here.
struct ContactKindInfo
{
    int type; // the value of Contact.ContType
    Page page;
    const char* heading;
    const char* listHint;
    const char* statusText;
    const char* orderColumn; // the list's order
    const char* archiveCaption;
    const char* buttonCaption; // the button that shows this kind on the other pages
    const char* buttonHint;
    const char* report;
    const char* firstBox; // the box a new row starts in; none for no box
    std::vector<ContactField> fields;
    ListColumns columns;
    SearchSpec search;
    bool wheelMoves = true;
};

// The five kinds in kind order (boats met first).
const std::vector<ContactKindInfo>& contactKinds();
const ContactKindInfo* contactKindOf(Page page);

} // namespace hb
