-- The tables of cmmi.mdb. Only the build tool runs this file; the program never creates,
-- alters or drops a table. No unique keys: files written by older versions may hold duplicates.
-- The indexes only speed up the look-ups by a row's identity.

CREATE TABLE cmmi_kpas (
    vx_level INTEGER,
    vx_kpa TEXT,
    vx_goal_id TEXT,
    vx_goal_desc TEXT,
    vx_practice_id TEXT,
    vx_practice_desc TEXT,
    vx_subpractice_id TEXT,
    vx_subpractice_desc TEXT,
    vx_how_met TEXT,
    vx_qms_ref TEXT
);
CREATE INDEX cmmi_kpas_identity ON cmmi_kpas (vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_subpractice_id);

CREATE TABLE cmmi_ggs (
    vx_goal_id TEXT,
    vx_goal_desc TEXT,
    vx_practice_id TEXT,
    vx_practice_desc TEXT
);
CREATE INDEX cmmi_ggs_identity ON cmmi_ggs (vx_goal_id, vx_practice_id);

CREATE TABLE cmmi_docs (
    vx_level INTEGER,
    vx_kpa TEXT,
    vx_goal_id TEXT,
    vx_goal_desc TEXT,
    vx_practice_id TEXT,
    vx_practice_desc TEXT,
    vx_doc_id TEXT,
    vx_doc_desc TEXT,
    vx_doc_ref TEXT,
    vx_how_met TEXT
);
CREATE INDEX cmmi_docs_identity ON cmmi_docs (vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_doc_id);

CREATE TABLE vx_gaps_sgs (
    vx_coid TEXT,
    vx_level INTEGER,
    vx_kpa TEXT,
    vx_goal_id TEXT,
    vx_practice_id TEXT,
    vx_subpractice_id TEXT,
    vx_qms_ref TEXT,
    vx_how_met TEXT
);
CREATE INDEX vx_gaps_sgs_identity ON vx_gaps_sgs (vx_coid, vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_subpractice_id);

CREATE TABLE vx_gaps_ggs (
    vx_coid TEXT,
    vx_goal_id TEXT,
    vx_practice_id TEXT,
    vx_kpa TEXT,
    vx_qms_ref TEXT,
    vx_how_met TEXT
);
CREATE INDEX vx_gaps_ggs_identity ON vx_gaps_ggs (vx_coid, vx_goal_id, vx_practice_id, vx_kpa);

CREATE TABLE vx_gaps_docs (
    vx_coid TEXT,
    vx_level INTEGER,
    vx_kpa TEXT,
    vx_goal_id TEXT,
    vx_practice_id TEXT,
    vx_doc_id TEXT,
    vx_doc_ref TEXT,
    vx_how_met TEXT
);
CREATE INDEX vx_gaps_docs_identity ON vx_gaps_docs (vx_coid, vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_doc_id);

CREATE TABLE cmmi_org_docs (
    vx_coid TEXT,
    vx_doc_id TEXT,
    vx_doc_type TEXT,
    vx_doc_dtls TEXT
);
CREATE INDEX cmmi_org_docs_identity ON cmmi_org_docs (vx_coid, vx_doc_id);

CREATE TABLE Tvxrk_companydetails (
    fvx_rk_companyname TEXT,
    fvx_rk_address TEXT
);
