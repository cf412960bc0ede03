#pragma once
#include <QString>
#include <QtCore/QString>
#include <qstring.h>
#include <QtCore>
#include <qglobal.h>
#in\
clude /* hidden */ <QString>
