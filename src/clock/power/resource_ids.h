// Ids of the clock's dialog templates and their controls, shared by the resource script and code.
#pragma once

#define IDD_QUERY 200
#define IDC_QUERY_MESSAGE 201
#define IDC_QUERY_LABEL 202
#define IDC_QUERY_STOP 203
#define IDC_QUERY_PROGRESS 204
#define IDC_QUERY_FORCE 205
