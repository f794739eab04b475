// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1.h"
#include "reference_model.h"
#include "user_action.h"

#include <QTemporaryDir>
#include <QTimer>

// The real window driven with user input beside a reference model, one action at a time.
// Saves go into a fresh temporary folder through a stand-in for the file dialog.
class RandomSession
{
public:
    RandomSession();

    bool isReady() const { return m_ready; }

    // Performs the action on the window and on the model; returns an empty string when both
    // agree afterwards, else what differs.
    QString perform(const UserAction &action);

private:
    QWidget *boxWidget(int box) const;
    void performOnWindow(const UserAction &action);
    void adoptCaret(int box);
    QString compare(bool checkFiles) const;

    QTemporaryDir m_folder;
    Form1 m_form;
    ReferenceModel m_model;
    QTimer m_errorBoxCloser;
    int m_errorBoxesSeen = 0;
    QString m_dialogAnswer; // what the stand-in dialog answers next
    QString m_dialogOffered; // the file name the program last offered the dialog
    bool m_ready = false;
};

// Runs actions in a fresh session; returns the index of the first action after which the
// window and the model differ, or -1, and puts what differs in *difference.
qsizetype firstMismatch(const std::vector<UserAction> &actions, QString *difference);
