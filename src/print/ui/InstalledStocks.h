#pragma once

#include "print/StockCatalog.h"

namespace casewright {

// The stocks of this system, with the sheets of its template folders, read
// once per run of the designer. Reading them takes a few tens of
// milliseconds, so the program starts it on a thread of its own when it
// starts, and the Print dialog finds them ready. Each template that could
// not be understood is named in a warning on the log.
namespace InstalledStocks {

// Begins reading, unless that has begun already.
void StartLoading();

// The stocks, once read; reads them now if nobody started that.
const StockCatalog& Catalog();

}  // namespace InstalledStocks

}  // namespace casewright
