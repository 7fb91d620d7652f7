// A real ODBC round trip: timestamps made from Corvane times are written into
// a SQLite table through unixODBC and the SQLite3 driver, read back as
// SQL_C_TYPE_TIMESTAMP records and converted to Corvane times again.
// Skipped when unixODBC was not found when the build was configured, or the
// driver is not installed where the test runs.

#include <gtest/gtest.h>

#if CVN_HAVE_ODBC

#include <sql.h>
#include <sqlext.h>
#include <unistd.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "CmTimeCls.h"

namespace {

constexpr double kMs = 1.0 / 86400000.0;

// The handles of one connection to a fresh database file, freed in reverse.
class OdbcConnection {
 public:
  OdbcConnection() {
    m_sPath = "/tmp/cvn_odbc_round_trip_" + std::to_string(getpid()) + ".db";
    std::remove(m_sPath.c_str());
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_hEnv))) return;
    SQLSetEnvAttr(m_hEnv, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, m_hEnv, &m_hDbc))) return;
    std::string sConnect = "Driver=SQLite3;Database=" + m_sPath + ";";
    SQLCHAR szOut[1024];
    SQLSMALLINT iOutLength = 0;
    const SQLRETURN rc =
        SQLDriverConnect(m_hDbc, nullptr, reinterpret_cast<SQLCHAR*>(sConnect.data()),
                         static_cast<SQLSMALLINT>(sConnect.size()), szOut, sizeof szOut,
                         &iOutLength, SQL_DRIVER_NOPROMPT);
    m_bConnected = SQL_SUCCEEDED(rc);
    if (!m_bConnected) m_sError = mDiagnostics(SQL_HANDLE_DBC, m_hDbc);
  }
  ~OdbcConnection() {
    if (m_bConnected) SQLDisconnect(m_hDbc);
    if (m_hDbc != SQL_NULL_HDBC) SQLFreeHandle(SQL_HANDLE_DBC, m_hDbc);
    if (m_hEnv != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, m_hEnv);
    std::remove(m_sPath.c_str());
  }
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  bool mConnected() const { return m_bConnected; }
  const std::string& mError() const { return m_sError; }
  SQLHDBC mHandle() const { return m_hDbc; }

  static std::string mDiagnostics(SQLSMALLINT type, SQLHANDLE handle) {
    std::string sText;
    SQLCHAR szState[8];
    SQLCHAR szMessage[512];
    SQLINTEGER iNative = 0;
    SQLSMALLINT iLength = 0;
    for (SQLSMALLINT i = 1; SQL_SUCCEEDED(SQLGetDiagRec(type, handle, i, szState, &iNative,
                                                        szMessage, sizeof szMessage, &iLength));
         ++i) {
      sText += reinterpret_cast<const char*>(szState);
      sText += ": ";
      sText += reinterpret_cast<const char*>(szMessage);
      sText += "; ";
    }
    return sText;
  }

 private:
  std::string m_sPath;
  SQLHENV m_hEnv = SQL_NULL_HENV;
  SQLHDBC m_hDbc = SQL_NULL_HDBC;
  bool m_bConnected = false;
  std::string m_sError;
};

// One statement handle.
class OdbcStatement {
 public:
  explicit OdbcStatement(SQLHDBC hDbc) { SQLAllocHandle(SQL_HANDLE_STMT, hDbc, &m_hStmt); }
  ~OdbcStatement() {
    if (m_hStmt != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, m_hStmt);
  }
  OdbcStatement(const OdbcStatement&) = delete;
  OdbcStatement& operator=(const OdbcStatement&) = delete;

  SQLHSTMT mHandle() const { return m_hStmt; }
  // Runs sql directly; the driver's diagnostics on failure.
  ::testing::AssertionResult mExec(const char* sql) {
    std::string sSql(sql);
    const SQLRETURN rc = SQLExecDirect(m_hStmt, reinterpret_cast<SQLCHAR*>(sSql.data()), SQL_NTS);
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << sql << ": " << OdbcConnection::mDiagnostics(SQL_HANDLE_STMT, m_hStmt);
  }
  ::testing::AssertionResult mCheck(SQLRETURN rc, const char* what) {
    if (SQL_SUCCEEDED(rc)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << what << ": " << OdbcConnection::mDiagnostics(SQL_HANDLE_STMT, m_hStmt);
  }

 private:
  SQLHSTMT m_hStmt = SQL_NULL_HSTMT;
};

struct xRow {
  int iId;
  TIMESTAMP_STRUCT ts;
};

// Reads every row of table t, ordered by id, as timestamp records.
std::vector<xRow> mReadBack(SQLHDBC hDbc) {
  std::vector<xRow> vRows;
  OdbcStatement select(hDbc);
  EXPECT_TRUE(select.mExec("SELECT id, ts FROM t ORDER BY id"));
  SQLINTEGER iId = 0;
  TIMESTAMP_STRUCT ts{};
  SQLLEN iIdInd = 0;
  SQLLEN iTsInd = 0;
  EXPECT_TRUE(
      select.mCheck(SQLBindCol(select.mHandle(), 1, SQL_C_SLONG, &iId, 0, &iIdInd), "bind id"));
  EXPECT_TRUE(select.mCheck(
      SQLBindCol(select.mHandle(), 2, SQL_C_TYPE_TIMESTAMP, &ts, sizeof ts, &iTsInd), "bind ts"));
  while (SQL_SUCCEEDED(SQLFetch(select.mHandle()))) {
    EXPECT_NE(iTsInd, SQL_NULL_DATA);
    vRows.push_back(xRow{static_cast<int>(iId), ts});
    ts = TIMESTAMP_STRUCT{};
  }
  return vRows;
}

bool mSameRecord(const TIMESTAMP_STRUCT& a, const TIMESTAMP_STRUCT& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
         a.minute == b.minute && a.second == b.second && a.fraction == b.fraction;
}

std::string mShow(const TIMESTAMP_STRUCT& ts) {
  char szText[64];
  std::snprintf(szText, sizeof szText, "%04d-%02u-%02u %02u:%02u:%02u fraction %u", ts.year,
                ts.month, ts.day, ts.hour, ts.minute, ts.second, ts.fraction);
  return szText;
}

TEST(OdbcRoundTrip, TimestampsThroughSQLite) {
  OdbcConnection connection;
  if (!connection.mConnected()) {
    GTEST_SKIP() << "no SQLite3 ODBC driver: " << connection.mError();
  }
  struct Case {
    double dValue;
    const char* pszNote;
  };
  const Case kCases[] = {
      {36526.5, "2000-01-01 12:00:00"},
      {0.0, "day 0, 1899-12-30"},
      {2.0, "1900-01-01"},
      {61.0, "1900-03-01"},
      {-363.25, "1898-12-31 18:00, a negative value with a fraction"},
      {-328716.0, "1000-01-01"},
      {767376.0 + 86399999 * kMs, "4000-12-31 23:59:59.999"},
      {43905.5 + 1 * kMs, "one millisecond"},
      {43905.5 + 123 * kMs, "123 milliseconds"},
      {43905.5 + 999 * kMs, "999 milliseconds"},
      {36585.0 + 45296789 * kMs, "2000-02-29 12:34:56.789"},
  };
  OdbcStatement ddl(connection.mHandle());
  ASSERT_TRUE(ddl.mExec("CREATE TABLE t (id INTEGER PRIMARY KEY, ts TIMESTAMP)"));

  std::vector<TIMESTAMP_STRUCT> vWritten;
  {
    OdbcStatement insert(connection.mHandle());
    std::string sSql = "INSERT INTO t (id, ts) VALUES (?, ?)";
    ASSERT_TRUE(insert.mCheck(
        SQLPrepare(insert.mHandle(), reinterpret_cast<SQLCHAR*>(sSql.data()), SQL_NTS), "prepare"));
    SQLINTEGER iId = 0;
    TIMESTAMP_STRUCT ts{};
    ASSERT_TRUE(insert.mCheck(SQLBindParameter(insert.mHandle(), 1, SQL_PARAM_INPUT, SQL_C_SLONG,
                                               SQL_INTEGER, 0, 0, &iId, 0, nullptr),
                              "bind id"));
    ASSERT_TRUE(
        insert.mCheck(SQLBindParameter(insert.mHandle(), 2, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP,
                                       SQL_TYPE_TIMESTAMP, 23, 3, &ts, sizeof ts, nullptr),
                      "bind ts"));
    for (size_t i = 0; i < std::size(kCases); ++i) {
      iId = static_cast<SQLINTEGER>(i);
      gcmTime.mCorvaneTimeToODBC(kCases[i].dValue, &ts);
      vWritten.push_back(ts);
      ASSERT_TRUE(insert.mCheck(SQLExecute(insert.mHandle()), kCases[i].pszNote));
    }
  }

  const std::vector<xRow> vRows = mReadBack(connection.mHandle());
  ASSERT_EQ(vRows.size(), std::size(kCases));
  for (const xRow& row : vRows) {
    const size_t i = static_cast<size_t>(row.iId);
    ASSERT_LT(i, std::size(kCases));
    SCOPED_TRACE(kCases[i].pszNote);
    EXPECT_TRUE(mSameRecord(row.ts, vWritten[i]))
        << "read " << mShow(row.ts) << ", wrote " << mShow(vWritten[i]);
    EXPECT_EQ(row.ts.fraction % 1000000u, 0u) << "whole milliseconds";
    TIMESTAMP_STRUCT ts = row.ts;
    double dValue = 0.0;
    gcmTime.mODBCToCorvaneTime(&ts, &dValue);
    EXPECT_NEAR(dValue, kCases[i].dValue, 1e-6 * kMs);
    TIMESTAMP_STRUCT tsAgain{};
    gcmTime.mCorvaneTimeToODBC(dValue, &tsAgain);
    EXPECT_TRUE(mSameRecord(tsAgain, row.ts)) << mShow(tsAgain);
  }
}

TEST(OdbcRoundTrip, TimestampTextsReadAsRecords) {
  OdbcConnection connection;
  if (!connection.mConnected()) {
    GTEST_SKIP() << "no SQLite3 ODBC driver: " << connection.mError();
  }
  OdbcStatement ddl(connection.mHandle());
  ASSERT_TRUE(ddl.mExec("CREATE TABLE t (id INTEGER PRIMARY KEY, ts TIMESTAMP)"));
  ASSERT_TRUE(ddl.mExec("INSERT INTO t VALUES (1, '2000-01-01 12:00:00.250')"));
  ASSERT_TRUE(ddl.mExec("INSERT INTO t VALUES (2, '2024-02-29 23:59:59.999')"));
  ASSERT_TRUE(ddl.mExec("INSERT INTO t VALUES (3, '1899-12-31 00:00:00')"));
  struct Expected {
    double dValue;
    unsigned uFraction;
  };
  const Expected kExpected[] = {
      {36526.5 + 250 * kMs, 250000000u},
      {45351.0 + 86399999 * kMs, 999000000u},
      {1.0, 0u},
  };
  const std::vector<xRow> vRows = mReadBack(connection.mHandle());
  ASSERT_EQ(vRows.size(), 3u);
  for (size_t i = 0; i < vRows.size(); ++i) {
    SCOPED_TRACE(mShow(vRows[i].ts));
    EXPECT_EQ(vRows[i].ts.fraction, kExpected[i].uFraction);
    TIMESTAMP_STRUCT ts = vRows[i].ts;
    double dValue = 0.0;
    gcmTime.mODBCToCorvaneTime(&ts, &dValue);
    EXPECT_NEAR(dValue, kExpected[i].dValue, 1e-6 * kMs);
    TIMESTAMP_STRUCT tsAgain{};
    gcmTime.mCorvaneTimeToODBC(dValue, &tsAgain);
    EXPECT_TRUE(mSameRecord(tsAgain, vRows[i].ts)) << mShow(tsAgain);
  }
}

}  // namespace

#else  // !CVN_HAVE_ODBC

TEST(OdbcRoundTrip, TimestampsThroughSQLite) {
  GTEST_SKIP() << "unixODBC was not found when the build was configured "
                  "(scripts/install-odbc.sh installs it)";
}

#endif
