#pragma once

#include "core/document/MemTable.h"

#include <vector>

namespace bix {

// The columns of the frame-links table (tblFrameLinks): record size 372.
std::vector<TFieldDef> FrameLinksFieldDefs();
// The columns of the file-list table (tblFileManager): record size 438.
std::vector<TFieldDef> FileManagerFieldDefs();

// The frame-links table: every row inserted gets Visible = True at once.
void SetUpFrameLinksTable(MemTable& table);

}  // namespace bix
