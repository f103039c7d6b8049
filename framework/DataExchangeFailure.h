#pragma once

// Thrown by CDataExchange::Fail to stop a data exchange after a refused
// value; UpdateData catches it and returns FALSE.
struct DataExchangeFailure
{
};
