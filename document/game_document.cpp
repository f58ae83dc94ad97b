#include "document/game_document.h"

GameDocument Document;
