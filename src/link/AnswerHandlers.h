#pragma once
// The analyses of the answers that do more than put one field into one record. Each returns
// whether the answer counts as analysed (its notification is then posted).
#include "link/AnswerText.h"

namespace velmora {

class AnswerAnalysis;

using AnswerHandler = bool (*)(AnswerAnalysis&, const AnswerText&);

// Answers about one receiver (ReceiverAnswers.cpp).
bool analyseBP(AnswerAnalysis&, const AnswerText&);
bool analyseCO(AnswerAnalysis&, const AnswerText&);
bool analyseAN(AnswerAnalysis&, const AnswerText&);
bool analyseML(AnswerAnalysis&, const AnswerText&);
bool analyseIS(AnswerAnalysis&, const AnswerText&);
bool analyseVF(AnswerAnalysis&, const AnswerText&);
bool analyseMD(AnswerAnalysis&, const AnswerText&);
bool analyseBY(AnswerAnalysis&, const AnswerText&);
bool analyseIF(AnswerAnalysis&, const AnswerText&);
bool analyseOI(AnswerAnalysis&, const AnswerText&);

// Answers that fill a group of records (GroupAnswers.cpp).
bool analyseLK(AnswerAnalysis&, const AnswerText&);
bool analyseFS(AnswerAnalysis&, const AnswerText&);
bool analyseRM(AnswerAnalysis&, const AnswerText&);
bool analyseRO(AnswerAnalysis&, const AnswerText&);
bool analyseKM(AnswerAnalysis&, const AnswerText&);
bool analyseRI(AnswerAnalysis&, const AnswerText&);
bool analyseBG(AnswerAnalysis&, const AnswerText&);
bool analysePE(AnswerAnalysis&, const AnswerText&);
bool analyseKC(AnswerAnalysis&, const AnswerText&);
bool analyseCA(AnswerAnalysis&, const AnswerText&);

// Answers that steer the link (LinkAnswers.cpp).
bool analyseID(AnswerAnalysis&, const AnswerText&);
bool analyseAI(AnswerAnalysis&, const AnswerText&);
bool analysePS(AnswerAnalysis&, const AnswerText&);
bool analyseRS(AnswerAnalysis&, const AnswerText&);

// The menu answer EX (MenuAnswer.cpp): posts its own notifications.
bool analyseMenuAnswer(AnswerAnalysis&, const AnswerText&);

}  // namespace velmora
