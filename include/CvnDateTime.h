// CvnDateTime: the one header a user includes to get the whole public API.
#pragma once

#include "CmColumnReader.h"
#include "CmRegionalSettings.h"
#include "CmString.h"
#include "CmTimeCls.h"
#include "CmTimeScale.h"
#include "CmTimeUnit.h"
#include "CvnBasicTypes.h"
#include "CvnDateTimeExport.h"
#include "CvnEntryPoints.h"
#include "CvnExceptions.h"
#include "CvnMath.h"
#include "CvnMessaging.h"
#include "CvnOdbcTypes.h"
#include "CvnTimeTypes.h"
#include "CvnVersion.h"  // CVN_DATETIME_VERSION, generated from the project version
