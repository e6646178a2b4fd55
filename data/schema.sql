-- SPDX-License-Identifier: GPL-3.0-or-later
-- Schema of the reference dictionary. Quorvel reads ref_rc by column position in some
-- statements, so ref_rc_seq must stay the first column and lib_rc the second.
PRAGMA encoding = 'UTF-8';

CREATE TABLE ref_rc (
    ref_rc_seq       INTEGER PRIMARY KEY,
    lib_rc           TEXT NOT NULL,
    sex              INTEGER NOT NULL DEFAULT 3,   -- 1 men, 2 women, 3 both
    age_min          INTEGER NOT NULL DEFAULT 0,
    age_max          INTEGER NOT NULL DEFAULT 125,
    pa               INTEGER NOT NULL DEFAULT 0,   -- 1: position A offered
    pb               INTEGER NOT NULL DEFAULT 0,
    pc               INTEGER NOT NULL DEFAULT 0,
    pd               INTEGER NOT NULL DEFAULT 0,
    pz               INTEGER NOT NULL DEFAULT 0,
    argumentaire     BLOB,                         -- UTF-8/16/32 with a byte-order mark, else Latin-1
    code_cim_defaut  TEXT,
    code_cisp_defaut TEXT
);

CREATE TABLE ref_definition (
    ref_definition_seq INTEGER PRIMARY KEY,
    ref_rc_id          INTEGER NOT NULL REFERENCES ref_rc (ref_rc_seq),
    pere_fk            INTEGER NOT NULL DEFAULT 0, -- parent criterion, 0 at top level
    lib_criteres_fr    TEXT NOT NULL,
    validite           INTEGER NOT NULL DEFAULT 1,
    ordre              INTEGER NOT NULL,
    ref_ponder_id      INTEGER                     -- 1..5 give weighting classes 0..4
);

CREATE TABLE ref_rc_synonymes (
    ref_rc_id INTEGER NOT NULL REFERENCES ref_rc (ref_rc_seq),
    lib       TEXT NOT NULL
);

CREATE TABLE ref_l_rc_voir_aussi_rc (
    ref_rc_id     INTEGER NOT NULL REFERENCES ref_rc (ref_rc_seq),
    voir_aussi_id INTEGER NOT NULL REFERENCES ref_rc (ref_rc_seq)
);

CREATE TABLE ref_dic (
    ref_dic_seq INTEGER PRIMARY KEY,
    dic_lib     TEXT NOT NULL,
    groupe      TEXT                               -- criticality "1", "2" or "3"
);

CREATE TABLE ref_l_rc_dic (
    ref_rc_id  INTEGER NOT NULL REFERENCES ref_rc (ref_rc_seq),
    ref_dic_id INTEGER NOT NULL REFERENCES ref_dic (ref_dic_seq)
);

CREATE TABLE ref_l_rc_cim10 (
    ref_lrccim_seq INTEGER PRIMARY KEY,
    ref_rc_id      INTEGER NOT NULL REFERENCES ref_rc (ref_rc_seq),
    code_cim_1     TEXT,
    code_cim_2     TEXT,
    soustitre      TEXT,
    code_cisp      TEXT
);

CREATE TABLE ref_combi_criteres_cim (
    ref_lrccim_id     INTEGER NOT NULL REFERENCES ref_l_rc_cim10 (ref_lrccim_seq),
    ref_definition_id INTEGER NOT NULL REFERENCES ref_definition (ref_definition_seq),
    condition         TEXT
);

CREATE INDEX idx_rc_lib ON ref_rc (lib_rc);
CREATE INDEX idx_def_rc ON ref_definition (ref_rc_id, validite, ordre);
CREATE INDEX idx_def_pere ON ref_definition (pere_fk);
CREATE INDEX idx_syn_rc ON ref_rc_synonymes (ref_rc_id);
CREATE INDEX idx_va_rc ON ref_l_rc_voir_aussi_rc (ref_rc_id);
CREATE INDEX idx_lrcdic_rc ON ref_l_rc_dic (ref_rc_id);
CREATE INDEX idx_cim_rc ON ref_l_rc_cim10 (ref_rc_id);
CREATE INDEX idx_combi_rule ON ref_combi_criteres_cim (ref_lrccim_id);
