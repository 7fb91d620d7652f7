// The ODBC timestamp record. Taken from unixODBC when its header is
// available, so that a program including both sees one type.
#pragma once

#if defined(__has_include)
#if __has_include(<sqltypes.h>)
#include <sqltypes.h>
#define CVN_HAVE_SQLTYPES 1
#endif
#endif

#ifndef CVN_HAVE_SQLTYPES
#ifndef __SQLTYPES_H
typedef struct tagTIMESTAMP_STRUCT {
  short year;
  unsigned short month;
  unsigned short day;
  unsigned short hour;
  unsigned short minute;
  unsigned short second;
  unsigned int fraction;  // nanoseconds
} TIMESTAMP_STRUCT;
#endif
#endif
