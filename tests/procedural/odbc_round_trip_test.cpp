// A real round trip through ODBC: timestamps written by mCorvaneTimeToODBC
// go into an SQLite table through the SQLite3 ODBC driver, come back as
// records, and read back to the values; a timestamp stored as text reads as
// its record. Skipped when unixODBC or the driver is missing.

#include <gtest/gtest.h>

#if CVN_HAVE_ODBC

#include <sql.h>
#include <sqlext.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "CmTimeCls.h"

namespace {

constexpr double kMs = 1.0 / 86400000.0;

// The diagnostics of a failed call, for the failure message.
std::string mDiagnostics(SQLSMALLINT type, SQLHANDLE handle) {
  SQLCHAR szState[8] = "", szMessage[512] = "";
  SQLINTEGER iNative = 0;
  SQLSMALLINT iLength = 0;
  SQLGetDiagRec(type, handle, 1, szState, &iNative, szMessage, sizeof szMessage, &iLength);
  return std::string(reinterpret_cast<const char*>(szState)) + ": " +
         reinterpret_cast<const char*>(szMessage);
}

TEST(OdbcRoundTrip, TimestampsThroughSQLite) {
  const std::string sPath = "/tmp/cvn_odbc_round_trip_" + std::to_string(getpid()) + ".db";
  std::remove(sPath.c_str());
  SQLHENV hEnv = SQL_NULL_HENV;
  SQLHDBC hDbc = SQL_NULL_HDBC;
  SQLHSTMT hStmt = SQL_NULL_HSTMT;
  ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &hEnv)));
  SQLSetEnvAttr(hEnv, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, hEnv, &hDbc)));
  std::string sConnect = "Driver=SQLite3;Database=" + sPath + ";";
  if (!SQL_SUCCEEDED(SQLDriverConnect(hDbc, nullptr, reinterpret_cast<SQLCHAR*>(sConnect.data()),
                                      SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT))) {
    GTEST_SKIP() << "no SQLite3 ODBC driver: " << mDiagnostics(SQL_HANDLE_DBC, hDbc);
  }
  ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, hDbc, &hStmt)));
  auto fExec = [&](std::string sql) {
    const SQLRETURN rc = SQLExecDirect(hStmt, reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS);
    return SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA
               ? ""
               : sql + ": " + mDiagnostics(SQL_HANDLE_STMT, hStmt);
  };
  // Day 0, a negative value with a fraction, both ends of the valid years,
  // a leap day with milliseconds; then the text row.
  const std::vector<double> vValues = {
      36526.5, 0.0, -363.25, -328716.0, 767376.0 + 86399999 * kMs, 36585.0 + 45296789 * kMs};
  ASSERT_EQ(fExec("CREATE TABLE t (id INTEGER PRIMARY KEY, ts TIMESTAMP)"), "");
  SQLINTEGER iId = 0;
  TIMESTAMP_STRUCT ts{};
  std::string sInsert = "INSERT INTO t (id, ts) VALUES (?, ?)";
  ASSERT_TRUE(
      SQL_SUCCEEDED(SQLPrepare(hStmt, reinterpret_cast<SQLCHAR*>(sInsert.data()), SQL_NTS)));
  SQLBindParameter(hStmt, 1, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0, &iId, 0, nullptr);
  SQLBindParameter(hStmt, 2, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 23, 3, &ts,
                   sizeof ts, nullptr);
  for (iId = 0; iId < static_cast<SQLINTEGER>(vValues.size()); ++iId) {
    gcmTime.mCorvaneTimeToODBC(vValues[static_cast<size_t>(iId)], &ts);
    ASSERT_TRUE(SQL_SUCCEEDED(SQLExecute(hStmt))) << mDiagnostics(SQL_HANDLE_STMT, hStmt);
  }
  SQLFreeStmt(hStmt, SQL_RESET_PARAMS);
  EXPECT_EQ(fExec("INSERT INTO t VALUES (99, '2024-02-29 23:59:59.999')"), "");
  EXPECT_EQ(fExec("SELECT id, ts FROM t ORDER BY id"), "");
  SQLLEN iIdInd = 0, iTsInd = 0;
  SQLBindCol(hStmt, 1, SQL_C_SLONG, &iId, 0, &iIdInd);
  SQLBindCol(hStmt, 2, SQL_C_TYPE_TIMESTAMP, &ts, sizeof ts, &iTsInd);
  size_t iRows = 0;
  for (; SQL_SUCCEEDED(SQLFetch(hStmt)); ++iRows) {
    const double dExpected =
        iId == 99 ? 45351.0 + 86399999 * kMs : vValues[static_cast<size_t>(iId)];
    TIMESTAMP_STRUCT tsWritten{};
    gcmTime.mCorvaneTimeToODBC(dExpected, &tsWritten);
    double dValue = 0.0;
    gcmTime.mODBCToCorvaneTime(&ts, &dValue);
    EXPECT_TRUE(std::memcmp(&ts, &tsWritten, sizeof ts) == 0 &&
                std::abs(dValue - dExpected) < 1e-6 * kMs)
        << iId << ": " << ts.year << "-" << ts.month << "-" << ts.day << " " << ts.hour << ":"
        << ts.minute << ":" << ts.second << "." << ts.fraction;
  }
  EXPECT_EQ(iRows, vValues.size() + 1);
  SQLFreeHandle(SQL_HANDLE_STMT, hStmt);
  SQLDisconnect(hDbc);
  SQLFreeHandle(SQL_HANDLE_DBC, hDbc);
  SQLFreeHandle(SQL_HANDLE_ENV, hEnv);
  std::remove(sPath.c_str());
}

}  // namespace

#else  // !CVN_HAVE_ODBC

TEST(OdbcRoundTrip, TimestampsThroughSQLite) {
  GTEST_SKIP() << "unixODBC was not found when the build was configured "
                  "(scripts/install-odbc.sh installs it)";
}

#endif
