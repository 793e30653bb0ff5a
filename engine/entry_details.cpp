#include "engine/entry_details.h"

namespace zaltor {

bool ScanNeedsEntryDetails(const SearchRequest& request) {
  return request.attrMask != kAttrAll || request.sizeFromOp != 0 || request.dateTimeFrom.timeOp != 0 ||
         request.dateTimeFrom.dateOp != 0 || request.fileCommand[0] != '\0';
}

}  // namespace zaltor
