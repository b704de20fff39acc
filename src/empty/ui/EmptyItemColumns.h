#pragma once
// The four columns of ListView1 over an EmptyItemRecord: 0 Name, 1 TypeName,
// 2 AttributeText, 3 Path; and the column sorts, each with the locale's
// case-sensitive text comparison, ascending or descending. Records that compare
// equal end in no particular order.

#include "empty/EmptyItemRecord.h"

#include <string>

const std::string& EmptyItemField(const quorvex::EmptyItemRecord& record, int column);

void SortEmptyItems(quorvex::EmptyItemList& list, int column, bool ascending);
