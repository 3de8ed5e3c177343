#include "szene.h"
